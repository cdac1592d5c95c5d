#pragma once
// Lumetra's main window: the controls and the handlers that play the two
// tones. The handlers are split by concern over several files:
//   Form1.cpp           the window, its controls' design state, event wiring, start-up
//   Form1Playback.cpp   Start, Stop, the fade timer, unload
//   Form1Frequency.cpp  the rate, pan and volume scroll bars and their readouts
//   Form1Presets.cpp    the mental-state list
//   Form1Slider.cpp     the beat slider
#include "CalcWave.h"
#include "DirectSnd.h"

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/lists.h"
#include "forms/ranges.h"
#include "forms/timer.h"
#include "platform/sound.h"

#include <cstdint>

namespace lumetra {

class Form1 : public forms::Form {
public:
    explicit Form1(platform::SoundSystem& sound);

    // The tone engine: the sine table and the sound output.
    CalcWave Wave;
    DirectSnd Sound;

    // The slider, not the ticked preset, is the tone source for Start.
    bool CustomMode = false;
    // The list index remembered between a press on the list and its release.
    std::int16_t ChosenIndex = 0;

    // Left column.
    forms::ListBox MentalState{*this, "MentalState"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};

    // Centre: the beat slider.
    forms::Slider FreqSlider{*this, "FreqSlider"};

    // Right column: the readouts, the chosen preset, the running state, volume.
    forms::Label Label11{*this, "Label11"};
    forms::Label Label9{*this, "Label9"};
    forms::Label Label13{*this, "Label13"};
    forms::Label Label8{*this, "Label8"};
    forms::Label Label14{*this, "Label14"};
    forms::Label FrecventaLabel{*this, "FrecventaLabel"};
    forms::Label Label17{*this, "Label17"};
    forms::Label Label18{*this, "Label18"};
    forms::Label KLVL{*this, "KLVL"};
    forms::ScrollBar VScroll1{*this, "VScroll1"};

    // Below the client area, never seen: the two rates, the two pans and
    // their labels.
    forms::ScrollBar HScroll1{*this, "HScroll1"};
    forms::ScrollBar HScroll2{*this, "HScroll2"};
    forms::ScrollBar HScroll3{*this, "HScroll3"};
    forms::ScrollBar HScroll4{*this, "HScroll4"};
    forms::Label Label15{*this, "Label15"};
    forms::Label Label16{*this, "Label16"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label1{*this, "Label1"};

    forms::Timer TimerFade{*this, "TimerFade", 1000};
    forms::Timer TimerEcran{*this, "TimerEcran", 100};

    // Start-up.
    void Form_Load();
    void Form_Unload();

    // Start and Stop.
    void Command1_Click();
    void Command2_Click();
    void TimerFade_Timer();

    // Rates, pans and volume.
    void HScroll1_Change();
    void HScroll1_Scroll();
    void HScroll2_Change();
    void HScroll2_Scroll();
    void HScroll3_Change();
    void HScroll3_Scroll();
    void HScroll4_Scroll();
    void VScroll1_Change();
    void VScroll1_Scroll();

    // The preset list.
    void MentalState_MouseDown(const forms::MouseArgs& args);
    void MentalState_MouseUp(const forms::MouseArgs& args);

    // The beat slider.
    void FreqSlider_Change();
    void FreqSlider_Scroll();

private:
    void layOutControls();
    void wireEvents();
    void applyPreset(int index);
    void rateChanged(int buffer, const forms::ScrollBar& bar, forms::Label& readout, forms::Label& valueLabel);
    void stopToneBuffers();
};

} // namespace lumetra
