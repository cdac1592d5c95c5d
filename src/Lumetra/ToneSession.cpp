#include "Lumetra/ToneSession.h"

#include "Lumetra/Form1.h"
#include "Lumetra/PresetTable.h"
#include "Lumetra/Readout.h"
#include "Lumetra/SliderTable.h"

#include <algorithm>
#include <cstdlib>

namespace lumetra {

namespace {

// The base frequency the readouts use once Start has built the table.
constexpr double kStartedBaseFrequency = 330;

} // namespace

std::int32_t ToneSession::rightRateAt(std::int64_t second) const noexcept {
    if (!glides) return rightRate;
    // A glide started at or below the end still ticks once before it stops.
    const std::int64_t ticks = rightRate >= kGlideStopsBelow ? rightRate - (kGlideStopsBelow - 1) : 1;
    return rightRate - static_cast<std::int32_t>(std::min(std::max<std::int64_t>(second, 0), ticks));
}

int ToneSession::beatShown() const noexcept {
    return std::abs(nominalHertz(leftRate, kStartedBaseFrequency) - nominalHertz(rightRate, kStartedBaseFrequency));
}

StartInputs startInputsOf(const Form1& window) {
    StartInputs in;
    in.customMode = window.CustomMode;
    in.listIndex = window.MentalState.listIndex();
    in.sliderPosition = window.FreqSlider.value();
    in.leftRate = window.HScroll1.value();
    in.rightRate = window.HScroll2.value();
    in.fadeRunning = window.TimerFade.enabled();
    in.volume = window.VScroll1.value();
    return in;
}

// Start's tone-source step, then its last step: the slider moves to the beat
// the readouts show, and a move puts the slider's own rates in place.
ToneSession sessionStartWouldPlay(const StartInputs& in) {
    ToneSession s{in.leftRate, in.rightRate, in.fadeRunning, in.volume};
    auto sliderRates = [&s](int position) {
        s.leftRate = kSliderLeftRate;
        s.rightRate = kSliderRightRates[static_cast<std::size_t>(position)];
    };
    const bool sliderInRange = in.sliderPosition >= 0 && in.sliderPosition < kSliderPositions;
    if (in.customMode) {
        if (sliderInRange) sliderRates(in.sliderPosition);
    } else if (in.listIndex >= 0 && in.listIndex < kPresetCount) {
        const Preset& preset = kPresets[static_cast<std::size_t>(in.listIndex)];
        s.leftRate = preset.leftRate;
        s.rightRate = preset.rightRate;
        s.glides = s.glides || preset.glides;
    }
    const int beatShown = s.beatShown();
    if (beatShown < kSliderPositions && beatShown != in.sliderPosition) sliderRates(beatShown);
    return s;
}

} // namespace lumetra
