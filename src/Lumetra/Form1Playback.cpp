// Start, Stop, the glide of "Sleep induction" and unload.
#include "Lumetra/Form1.h"

#include "Lumetra/PresetTable.h"

#include "core/conversions.h"
#include "core/errors.h"

namespace lumetra {

// Every failing step is skipped and the next one runs, so without a usable
// sound device the window still goes through Start, silently.
void Form1::Command1_Click() {
    rt::ResumeNext steps;
    steps([&] { KLVL.setCaption("On"); });
    steps([&] { Wave.BuildWaveTable(); });
    steps([&] { Sound.OpenSound(hWnd(), Wave); });
    // New buffers play at 11025, full volume and centre pan: give them the
    // held rates and volume, and the pans that put each tone in its own ear.
    steps([&] { HScroll1_Scroll(); });
    steps([&] { HScroll2_Scroll(); });
    steps([&] { VScroll1_Change(); });
    steps([&] { HScroll3_Change(); });
    steps([&] { HScroll4_Scroll(); });
    steps([&] { Sound.WriteWave(0, Wave.WaveTable); });
    steps([&] { Sound.WriteWave(1, Wave.WaveTable); });
    if (CustomMode) {
        steps([&] { FreqSlider_Change(); });
    } else {
        steps([&] { applyPreset(MentalState.listIndex()); });
    }
    steps([&] { Command2.setEnabled(true); });
    steps([&] { Command1.setEnabled(false); });
    steps([&] { TimerEcran.setEnabled(true); });
    // One beat period; a beat of 0 leaves the interval as it was.
    steps([&] {
        const double beat = rt::toNumber(FrecventaLabel.caption());
        if (beat == 0) rt::raise(rt::DivisionByZero, "beat 0");
        TimerEcran.setInterval(rt::toInt32(1000.0 / beat));
    });
    steps([&] { MentalState.setEnabled(false); });
    // A beat outside the slider's range is refused and the slider stays.
    steps([&] { FreqSlider.setValue(rt::toInt32(FrecventaLabel.caption())); });
    tonesPlaying_ = true;
    startSleepCount();
}

// Stop leaves the rates, volume, slider, list choice and any glide as they are.
// The window changes at once; the tones then fade out briefly, so that they
// end without a click, and stop. Before any Start there is nothing to stop,
// and a device that fails to stop a buffer does not keep the window from
// its stopped state.
void Form1::Command2_Click() {
    tonesPlaying_ = false;
    cancelSleepCount();
    KLVL.setCaption("Off");
    Command1.setEnabled(true);
    Command2.setEnabled(false);
    TimerEcran.setEnabled(false);
    MentalState.setEnabled(true);
    Sound.StopSound();
}

// The glide lowers the right rate by one each second until it is below 13400;
// it goes on while stopped and across Starts.
void Form1::TimerFade_Timer() {
    HScroll2.setValue(HScroll2.value() - 1);
    if (HScroll2.value() < kGlideStopsBelow) TimerFade.setEnabled(false);
}

// Released tones would end in a click: they fade out first.
void Form1::Form_Unload() {
    Sound.FadeOut();
    Sound.CloseSound();
}

// No current entry (-1) sets nothing: the rates stay as they are.
void Form1::applyPreset(int index) {
    if (index < 0 || index >= kPresetCount) return;
    const Preset& preset = kPresets[static_cast<std::size_t>(index)];
    rt::ResumeNext steps;
    if (preset.glides) steps([&] { TimerFade.setEnabled(true); });
    steps([&] { HScroll1.setValue(preset.leftRate); });
    steps([&] { HScroll2.setValue(preset.rightRate); });
}

} // namespace lumetra
