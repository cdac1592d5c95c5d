// The beat slider: each position is one fixed pair of rates whose readouts
// differ by exactly the position.
#include "Lumetra/Form1.h"

#include "Lumetra/SliderTable.h"

#include "core/conversions.h"

namespace lumetra {

// No error handling of its own: every rate in the table lies in the bars'
// range, and the rate routines resume after their own failures. The left bar
// is set first, so its routine briefly shows a difference with the old right
// readout, which the right bar's routine then corrects.
void Form1::FreqSlider_Change() {
    CustomMode = true;
    Label17.setCaption("Custom: " + rt::toText(FreqSlider.value()) + " Hz");
    for (int n = 0; n < kSliderPositions; ++n) {
        if (FreqSlider.value() == n) {
            HScroll1.setValue(kSliderLeftRate);
            HScroll2.setValue(kSliderRightRates[static_cast<std::size_t>(n)]);
        }
    }
}

// The tones follow the thumb while it is dragged.
void Form1::FreqSlider_Scroll() { FreqSlider_Change(); }

} // namespace lumetra
