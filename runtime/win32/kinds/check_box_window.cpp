// A check box: the system's, ticked and cleared by the user or the program.
#include "forms/controls.h"
#include "win32/control_window_maker.h"
#include "win32/wide_text.h"

#include <commctrl.h>

namespace host {

namespace {

class CheckBoxWindow final : public ControlWindow {
public:
    CheckBoxWindow(FormWindow& owner, forms::CheckBox& box, int id) : ControlWindow(owner, box, id), box_(box) {}

protected:
    Creation creation() const override { return {WC_BUTTONW, WS_TABSTOP | BS_AUTOCHECKBOX, 0, box_.caption()}; }
    void created() override { applyValue(); }
    void applyText() override { setWindowText(hwnd(), box_.caption()); }
    void applyValue() override {
        const WPARAM want = box_.checked() ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(::SendMessageW(hwnd(), BM_GETCHECK, 0, 0)) != want) ::SendMessageW(hwnd(), BM_SETCHECK, want, 0);
    }
    void takeCommand(WORD code) override {
        if (code == BN_CLICKED) box_.setValue(::SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    }

private:
    forms::CheckBox& box_;
};

} // namespace

void ControlWindowMaker::visit(forms::CheckBox& control) { window = std::make_unique<CheckBoxWindow>(owner_, control, id_); }

} // namespace host
