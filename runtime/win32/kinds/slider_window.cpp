// The common-controls slider (trackbar): its own position is the truth
// after any move, reported as the control's scroll while dragging and its
// change when set.
#include "forms/ranges.h"
#include "win32/control_window_maker.h"
#include "win32/form_window.h"
#include "win32/kinds/range_position.h"

#include <commctrl.h>

#include <algorithm>

namespace host {

namespace {

class SliderWindow final : public ControlWindow {
public:
    SliderWindow(FormWindow& owner, forms::Slider& slider, int id) : ControlWindow(owner, slider, id), slider_(slider) {}

protected:
    Creation creation() const override { return {TRACKBAR_CLASSW, WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM, 0, {}}; }
    void created() override { applyRange(); }
    // Left at the default, it sits on its container's colour.
    forms::Color systemBackColor() const override {
        return slider_.backColor() == forms::kButtonFace ? owner_.containerBackColor(slider_) : slider_.backColor();
    }
    void applyValue() override {
        const int pos = positionOf(slider_, slider_.value());
        if (static_cast<int>(::SendMessageW(hwnd(), TBM_GETPOS, 0, 0)) != pos) ::SendMessageW(hwnd(), TBM_SETPOS, TRUE, pos);
    }
    void applyRange() override {
        HWND h = hwnd();
        ::SendMessageW(h, TBM_SETRANGEMIN, FALSE, lowestPosition(slider_));
        ::SendMessageW(h, TBM_SETRANGEMAX, TRUE, highestPosition(slider_));
        ::SendMessageW(h, TBM_SETLINESIZE, 0, std::max(1, slider_.smallChange()));
        ::SendMessageW(h, TBM_SETPAGESIZE, 0, std::max(1, slider_.largeChange()));
        // Setting the range may have moved the thumb; put it where the value is.
        ::SendMessageW(h, TBM_SETPOS, TRUE, positionOf(slider_, slider_.value()));
    }

    void takeScroll(WORD code, WORD) override {
        // The trackbar has moved already; its position is the truth.
        const int value = valueAt(slider_, static_cast<int>(::SendMessageW(hwnd(), TBM_GETPOS, 0, 0)));
        switch (code) {
        case TB_THUMBTRACK: slider_.userScroll(value); break;
        case TB_THUMBPOSITION: case TB_ENDTRACK: case TB_LINEUP: case TB_LINEDOWN: case TB_PAGEUP: case TB_PAGEDOWN:
        case TB_TOP: case TB_BOTTOM:
            slider_.userSet(value);
            break;
        default: break;  // no other code moves the thumb
        }
    }

private:
    forms::Slider& slider_;
};

} // namespace

void ControlWindowMaker::visit(forms::Slider& control) { window = std::make_unique<SliderWindow>(owner_, control, id_); }

} // namespace host
