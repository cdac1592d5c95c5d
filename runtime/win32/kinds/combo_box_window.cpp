// A drop-down combo box: an edit field the user may type into over a list of
// items. Its rows follow the control's one by one; the field always shows the
// control's text, whatever the list's own choice would put there.
#include "forms/lists.h"
#include "win32/control_window_maker.h"
#include "win32/wide_text.h"

#include <commctrl.h>

namespace host {

namespace {

// The window of a drop-down combo box spans its opened list too.
constexpr int kListPixels = 160;

class ComboBoxWindow final : public ControlWindow {
public:
    ComboBoxWindow(FormWindow& owner, forms::ComboBox& combo, int id) : ControlWindow(owner, combo, id), combo_(combo) {}

protected:
    Creation creation() const override {
        return {WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, combo_.text()};
    }
    void created() override {
        for (int i = 0; i < combo_.ListCount(); ++i)
            ::SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(combo_.List(i)).c_str()));
        applyListIndex();
    }
    int extraHeight() const override { return kListPixels; }
    forms::Color systemBackColor() const override { return inputFieldColor(combo_.backColor()); }
    void applyText() override { setWindowText(hwnd(), combo_.text()); }

    void applyRows(const forms::ItemChange& change) override {
        HWND h = hwnd();
        switch (change.what) {
        case forms::ItemChange::What::Inserted:
            ::SendMessageW(h, CB_INSERTSTRING, change.index, reinterpret_cast<LPARAM>(widen(combo_.List(change.index)).c_str()));
            break;
        case forms::ItemChange::What::Removed: ::SendMessageW(h, CB_DELETESTRING, change.index, 0); break;
        case forms::ItemChange::What::Cleared: ::SendMessageW(h, CB_RESETCONTENT, 0, 0); break;
        }
        applyListIndex();
    }

    void applyListIndex() override {
        HWND h = hwnd();
        if (static_cast<int>(::SendMessageW(h, CB_GETCURSEL, 0, 0)) != combo_.listIndex())
            ::SendMessageW(h, CB_SETCURSEL, combo_.listIndex(), 0);
        // Choosing an item (or none) rewrites the edit field: keep the control's text.
        setWindowText(h, combo_.text());
    }

    void takeCommand(WORD code) override {
        if (code == CBN_SELCHANGE) {
            const int index = static_cast<int>(::SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
            combo_.userPick(index < 0 ? -1 : index);
        } else if (code == CBN_EDITCHANGE) {
            combo_.setText(windowText(hwnd()));
        }
    }

private:
    forms::ComboBox& combo_;
};

} // namespace

void ControlWindowMaker::visit(forms::ComboBox& control) { window = std::make_unique<ComboBoxWindow>(owner_, control, id_); }

} // namespace host
