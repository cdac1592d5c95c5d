// A text box: the system's edit field. Typing changes the control's text;
// the program's text and selection reach the field.
#include "forms/controls.h"
#include "win32/control_window_maker.h"
#include "win32/wide_text.h"

#include <commctrl.h>

namespace host {

namespace {

class TextBoxWindow final : public ControlWindow {
public:
    TextBoxWindow(FormWindow& owner, forms::TextBox& box, int id) : ControlWindow(owner, box, id), box_(box) {}

protected:
    Creation creation() const override { return {WC_EDITW, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, box_.text()}; }
    forms::Color systemBackColor() const override { return inputFieldColor(box_.backColor()); }
    void applyText() override { setWindowText(hwnd(), box_.text()); }
    void applySelection() override {
        // The field counts UTF-16 units; the program counts UTF-8 bytes.
        const std::string& text = box_.text();
        const std::size_t start = widen(text.substr(0, static_cast<std::size_t>(box_.selStart()))).size();
        const std::size_t end = widen(text.substr(0, static_cast<std::size_t>(box_.selStart() + box_.selLength()))).size();
        ::SendMessageW(hwnd(), EM_SETSEL, start, static_cast<LPARAM>(end));
    }
    void takeCommand(WORD code) override {
        if (code == EN_CHANGE) box_.setText(windowText(hwnd()));
    }

private:
    forms::TextBox& box_;
};

} // namespace

void ControlWindowMaker::visit(forms::TextBox& control) { window = std::make_unique<TextBoxWindow>(owner_, control, id_); }

} // namespace host
