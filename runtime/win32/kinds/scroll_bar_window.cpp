// A horizontal scroll bar: arrows, track and thumb become the control's
// steps, drags and settings; its range may run backwards.
#include "forms/ranges.h"
#include "win32/control_window_maker.h"
#include "win32/kinds/range_position.h"

#include <commctrl.h>

namespace host {

namespace {

class ScrollBarWindow final : public ControlWindow {
public:
    ScrollBarWindow(FormWindow& owner, forms::ScrollBar& bar, int id) : ControlWindow(owner, bar, id), bar_(bar) {}

protected:
    Creation creation() const override { return {WC_SCROLLBARW, WS_TABSTOP | SBS_HORZ, 0, {}}; }
    void created() override { applyRange(); }
    void applyValue() override {
        const int pos = positionOf(bar_, bar_.value());
        if (::GetScrollPos(hwnd(), SB_CTL) != pos) ::SetScrollPos(hwnd(), SB_CTL, pos, TRUE);
    }
    void applyRange() override {
        ::SetScrollRange(hwnd(), SB_CTL, lowestPosition(bar_), highestPosition(bar_), FALSE);
        // Setting the range may have moved the thumb; put it where the value is.
        ::SetScrollPos(hwnd(), SB_CTL, positionOf(bar_, bar_.value()), TRUE);
    }

    void takeScroll(WORD code, WORD position) override {
        switch (code) {
        case SB_LINELEFT: bar_.userStep(-1, false); break;
        case SB_LINERIGHT: bar_.userStep(1, false); break;
        case SB_PAGELEFT: bar_.userStep(-1, true); break;
        case SB_PAGERIGHT: bar_.userStep(1, true); break;
        case SB_LEFT: bar_.userSet(bar_.min()); break;
        case SB_RIGHT: bar_.userSet(bar_.max()); break;
        case SB_THUMBTRACK: case SB_THUMBPOSITION: {
            // The message carries 16 bits, signed when the range goes below 0;
            // a wider range has the whole position in the tracking state.
            SCROLLINFO info{sizeof info, SIF_RANGE | SIF_TRACKPOS, 0, 0, 0, 0, 0};
            ::GetScrollInfo(hwnd(), SB_CTL, &info);
            int pos = info.nMin < 0 ? static_cast<short>(position) : static_cast<int>(position);
            if (info.nMin < -0x8000 || info.nMax > (info.nMin < 0 ? 0x7FFF : 0xFFFF)) pos = info.nTrackPos;
            if (code == SB_THUMBTRACK) bar_.userScroll(valueAt(bar_, pos));
            else bar_.userSet(valueAt(bar_, pos));
            break;
        }
        default: break;  // SB_ENDSCROLL: the value is set already
        }
    }

private:
    forms::ScrollBar& bar_;
};

} // namespace

void ControlWindowMaker::visit(forms::ScrollBar& control) { window = std::make_unique<ScrollBarWindow>(owner_, control, id_); }

} // namespace host
