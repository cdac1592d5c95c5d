// A push button: the system's, or drawn by the host when it has a face
// colour of its own. Enter presses the default one, Esc the cancel one.
#include "forms/controls.h"
#include "win32/control_window_maker.h"
#include "win32/form_window.h"
#include "win32/wide_text.h"

#include <commctrl.h>

namespace host {

namespace {

class ButtonWindow final : public ControlWindow {
public:
    ButtonWindow(FormWindow& owner, forms::CommandButton& button, int id) : ControlWindow(owner, button, id), button_(button) {}

    forms::CommandButton* pushButton() const noexcept override { return &button_; }

    void drawItem(const DRAWITEMSTRUCT& item) override {
        HDC dc = item.hDC;
        RECT r = item.rcItem;
        const bool pressed = (item.itemState & ODS_SELECTED) != 0;
        // The default button wears a dark ring, as the system's buttons do.
        if (button_.isDefault()) {
            ::FrameRect(dc, &r, ::GetSysColorBrush(COLOR_WINDOWFRAME));
            ::InflateRect(&r, -1, -1);
        }
        ::FillRect(dc, &r, backBrush_.get(button_.backColor()));
        ::DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        RECT textRect = r;
        if (pressed) ::OffsetRect(&textRect, 1, 1);
        const std::wstring text = widen(button_.caption());
        auto useFont = selectInto(dc, font());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, (item.itemState & ODS_DISABLED) ? ::GetSysColor(COLOR_GRAYTEXT) : resolveColor(button_.foreColor()));
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (item.itemState & ODS_FOCUS) {
            ::InflateRect(&r, -4, -4);
            ::DrawFocusRect(dc, &r);
        }
    }

protected:
    Creation creation() const override { return {WC_BUTTONW, WS_TABSTOP | buttonStyle(), 0, button_.caption()}; }
    void applyText() override { setWindowText(hwnd(), button_.caption()); }
    void applyColors() override {
        ::SendMessageW(hwnd(), BM_SETSTYLE, buttonStyle(), TRUE);
        repaint();
    }
    void takeCommand(WORD code) override {
        if (code == BN_CLICKED) button_.press();
    }

private:
    DWORD buttonStyle() const {
        // A face colour of its own needs a button drawn by us; the system's
        // buttons keep the system's face.
        if (button_.backColor() != forms::kButtonFace) return BS_OWNERDRAW;
        return button_.isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    }

    forms::CommandButton& button_;
};

} // namespace

void ControlWindowMaker::visit(forms::CommandButton& control) {
    window = std::make_unique<ButtonWindow>(owner_, control, id_);
}

} // namespace host
