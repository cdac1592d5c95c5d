// An option button: the system's radio button, whose choice the portable
// control keeps. Tab reaches only the chosen option of a group (the first
// while none is chosen) and the arrow keys move the choice within it, as in
// the system's own dialogs.
#include "forms/controls.h"
#include "forms/form.h"
#include "win32/control_window_maker.h"
#include "win32/wide_text.h"

#include <commctrl.h>

namespace host {

namespace {

class OptionButtonWindow final : public ControlWindow {
public:
    OptionButtonWindow(FormWindow& owner, forms::OptionButton& option, int id)
        : ControlWindow(owner, option, id), option_(option) {}

protected:
    Creation creation() const override {
        return {WC_BUTTONW, static_cast<DWORD>(BS_RADIOBUTTON | (tabStop() ? WS_TABSTOP : 0)), 0, option_.caption()};
    }
    void created() override { applyValue(); }
    void applyText() override { setWindowText(hwnd(), option_.caption()); }
    void applyValue() override {
        ::SendMessageW(hwnd(), BM_SETCHECK, option_.value() ? BST_CHECKED : BST_UNCHECKED, 0);
        const LONG_PTR style = ::GetWindowLongPtrW(hwnd(), GWL_STYLE);
        ::SetWindowLongPtrW(hwnd(), GWL_STYLE, tabStop() ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    }
    void takeCommand(WORD code) override {
        if (code == BN_CLICKED) option_.setValue(true);
    }
    bool ownMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) override {
        if (msg == WM_GETDLGCODE) {
            result = DLGC_BUTTON | DLGC_RADIOBUTTON | DLGC_WANTARROWS;
            return true;
        }
        if (msg != WM_KEYDOWN) return false;
        const int step = wp == VK_DOWN || wp == VK_RIGHT ? 1 : wp == VK_UP || wp == VK_LEFT ? -1 : 0;
        if (step == 0) return false;
        forms::OptionButton& next = option_.neighbour(step);
        next.setFocus();
        next.setValue(true);
        result = 0;
        return true;
    }

private:
    bool tabStop() const {
        if (option_.value()) return true;
        forms::OptionButton* first = nullptr;
        for (forms::Control* c : option_.form().controls()) {
            auto* other = dynamic_cast<forms::OptionButton*>(c);
            if (!other || other->container() != option_.container()) continue;
            if (other->value()) return false;
            if (!first) first = other;
        }
        return first == &option_;
    }

    forms::OptionButton& option_;
};

} // namespace

void ControlWindowMaker::visit(forms::OptionButton& control) { window = std::make_unique<OptionButtonWindow>(owner_, control, id_); }

} // namespace host
