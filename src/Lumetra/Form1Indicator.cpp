// The panel that flashes at the beat and the boxed readout of the beat.
#include "Lumetra/Form1.h"

#include "core/conversions.h"
#include "core/errors.h"

namespace lumetra {

namespace {

constexpr forms::Color kPanelDark = 0x404040;

} // namespace

// Each tick is half a beat period: the panel changes between dark grey and
// the window-text colour, so it goes through both once per beat. A beat that
// is not a number, is 0, or gives an interval the timer refuses keeps the
// interval it had. With the slider at 0 the panel keeps its colour.
void Form1::TimerEcran_Timer() {
    rt::ResumeNext steps;
    steps([&] {
        const double beat = rt::toNumber(FrecventaLabel.caption());
        if (beat == 0) rt::raise(rt::DivisionByZero, "beat 0");
        TimerEcran.setInterval(rt::toInt32(1000.0 / beat / 2.0));
    });
    bool tickEnded = false;
    steps([&] {
        if (Ecran.backColor() == forms::kWindowText) {
            if (FreqSlider.value() != 0) {
                Ecran.setBackColor(kPanelDark);
                tickEnded = true;
            }
        } else if (FreqSlider.value() != 0) {
            Ecran.setBackColor(forms::kWindowText);
        }
    });
    if (tickEnded) return;
    steps([&] { Label33.setCaption(FrecventaLabel.caption() + " hz"); });
}

} // namespace lumetra
