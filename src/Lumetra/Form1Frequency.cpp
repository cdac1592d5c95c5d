// The scroll bars that hold the two rates, the two pans and the volume. Each
// routine passes its value to the tone buffers at once and goes on after any
// failure (no buffers before the first Start, or a value the device refuses).
#include "Lumetra/Form1.h"

#include "Lumetra/Readout.h"

#include "core/conversions.h"
#include "core/errors.h"

namespace lumetra {

// The difference refers to the shown, truncated figures, never to the rates,
// and is never negative: it is read back as a plain whole number.
void Form1::rateChanged(int buffer, const forms::ScrollBar& bar, forms::Label& readout, forms::Label& valueLabel) {
    rt::ResumeNext steps;
    steps([&] { Sound.buffer(buffer).setFrequency(bar.value()); });
    steps([&] { readout.setCaption(rt::toText(nominalHertz(bar.value(), Wave.baseFrequencyValue()))); });
    steps([&] {
        const double left = rt::toNumber(Label9.caption());
        const double right = rt::toNumber(Label8.caption());
        FrecventaLabel.setCaption(rt::toText(static_cast<long long>(left > right ? left - right : right - left)));
    });
    steps([&] { valueLabel.setCaption(rt::toText(bar.value())); });
}

void Form1::HScroll1_Change() { rateChanged(0, HScroll1, Label9, Label15); }
void Form1::HScroll1_Scroll() { HScroll1_Change(); }
void Form1::HScroll2_Change() { rateChanged(1, HScroll2, Label8, Label16); }
void Form1::HScroll2_Scroll() { HScroll2_Change(); }

void Form1::HScroll3_Change() {
    rt::ResumeNext steps;
    steps([&] { Sound.buffer(0).setPan(HScroll3.value()); });
    steps([&] { Label2.setCaption(rt::toText(HScroll3.value())); });
}
void Form1::HScroll3_Scroll() { HScroll3_Change(); }

void Form1::HScroll4_Scroll() {
    rt::ResumeNext steps;
    steps([&] { Sound.buffer(1).setPan(HScroll4.value()); });
    steps([&] { Label1.setCaption(rt::toText(HScroll4.value())); });
}

// One volume for both tones; no label changes.
void Form1::VScroll1_Change() {
    rt::ResumeNext steps;
    steps([&] { Sound.buffer(0).setVolume(VScroll1.value()); });
    steps([&] { Sound.buffer(1).setVolume(VScroll1.value()); });
}
void Form1::VScroll1_Scroll() { VScroll1_Change(); }

} // namespace lumetra
