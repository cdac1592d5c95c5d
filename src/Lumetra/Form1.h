#pragma once
// Lumetra's main window: its controls and handlers. The handlers are split by
// concern over several files:
//   Form1.cpp           the window, its controls' design state, event wiring
//   Form1Startup.cpp    start-up: the settings restored, outline, language
//   Form1Window.cpp     dragging, the web link, the close and minimize pictures,
//                       the link's hover colour, the language combo
//   Form1Indicator.cpp  the flashing panel and the beat readout
//   Form1Playback.cpp   Start, Stop, the fade timer, unload
//   Form1Frequency.cpp  the rate, pan and volume scroll bars and their readouts
//   Form1Presets.cpp    the mental-state list
//   Form1Slider.cpp     the beat slider
//   Form1SleepTimer.cpp the sleep timer: stops the tones after a while,
//                       fading them out over its last minute
#include "Lumetra/CalcWave.h"
#include "Lumetra/DataClass.h"
#include "Lumetra/DirectSnd.h"
#include "Lumetra/Language.h"

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/lists.h"
#include "forms/ranges.h"
#include "forms/timer.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/monitors.h"
#include "platform/sound.h"
#include "platform/window_shell.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumetra {

// What the window needs of the system besides sound: where the program and
// the user's data live, the files, the shell (drag, web link) and the screens.
struct WindowPlatform {
    platform::Folders& folders;
    platform::FileSystem& files;
    platform::WindowShell& shell;
    platform::Monitors& monitors;
};

class Form1 : public forms::Form {
public:
    Form1(platform::SoundSystem& sound, const WindowPlatform& system);

    // The tone engine: the sine table and the sound output.
    CalcWave Wave;
    DirectSnd Sound;

    // The slider, not the ticked preset, is the tone source for Start.
    bool CustomMode = false;
    // The list index remembered between a press on the list and its release.
    std::int16_t ChosenIndex = 0;

    // Backdrops first: pictures and labels are painted in the order they are
    // declared, so the bands lie beneath everything drawn on them.
    forms::Image Image11{*this, "Image11"};  // bottom band
    forms::Image Image4{*this, "Image4"};    // title strip

    // Title strip.
    forms::Label Label12{*this, "Label12"};
    forms::Image Image6{*this, "Image6"};  // minimize
    forms::Image Image5{*this, "Image5"};  // close

    // Left column.
    forms::Label Label3{*this, "Label3"};
    forms::ListBox MentalState{*this, "MentalState"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};

    // Centre: the flashing panel, and the beat slider with its scale.
    forms::Frame Frame1{*this, "Frame1"};
    forms::Label Ecran{*this, "Ecran", &Frame1};
    forms::Label Label21{*this, "Label21"};
    forms::Slider FreqSlider{*this, "FreqSlider"};
    forms::Label Label23{*this, "Label23"};
    forms::Label Label24{*this, "Label24"};
    forms::Label Label25{*this, "Label25"};
    forms::Label Label26{*this, "Label26"};
    forms::Label Label22{*this, "Label22"};
    forms::Label Label27{*this, "Label27"};
    forms::Label Label28{*this, "Label28"};
    forms::Label Label29{*this, "Label29"};
    forms::Label Label30{*this, "Label30"};
    forms::Label Label31{*this, "Label31"};
    forms::Shape Shape1{*this, "Shape1"};

    // Right column: the readouts, the chosen preset, the running state,
    // language and volume, and two notes.
    forms::Label Label7{*this, "Label7"};
    forms::Label Label11{*this, "Label11"};
    forms::Label Label9{*this, "Label9"};
    forms::Label Label13{*this, "Label13"};
    forms::Label Label8{*this, "Label8"};
    forms::Label Label14{*this, "Label14"};
    forms::Label FrecventaLabel{*this, "FrecventaLabel"};
    forms::Shape Shape2{*this, "Shape2"};
    forms::Label Label33{*this, "Label33"};
    forms::Label Label10{*this, "Label10"};
    forms::Label Label17{*this, "Label17"};
    forms::Label Label18{*this, "Label18"};
    forms::Label KLVL{*this, "KLVL"};
    forms::Label Label19{*this, "Label19"};
    forms::ComboBox Combo1{*this, "Combo1"};
    forms::Label Label20{*this, "Label20"};
    forms::ScrollBar VScroll1{*this, "VScroll1"};
    forms::Label Label32{*this, "Label32"};
    forms::Line Line2{*this, "Line2"};
    forms::Label Label6{*this, "Label6"};
    forms::Label Label5{*this, "Label5"};

    // Bottom band: the maker's web site.
    forms::Label Label4{*this, "Label4"};

    // Below the client area, never seen: the settings lines, the two rates,
    // the two pans and their labels.
    forms::ListBox Setari{*this, "Setari"};
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
    forms::Timer TimerSleep{*this, "TimerSleep", 60000};

    // Start-up.
    void Form_Load();
    void Form_Unload();

    // Dragging the borderless window, the web link, the pictures of the strip.
    void FormMove(forms::Form& Frm);
    void Image4_MouseDown(const forms::MouseArgs& args);
    void Label12_MouseDown(const forms::MouseArgs& args);
    void Label4_Click();
    void Image5_Click();
    void Image6_Click();
    void Label4_MouseMove(const forms::MouseArgs& args);
    void Form_MouseMove(const forms::MouseArgs& args);
    void Image11_MouseMove(const forms::MouseArgs& args);

    // The language combo.
    void Combo1_Click();

    // The flashing panel.
    void TimerEcran_Timer();

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

    // The sleep timer: minutes of playing after which Stop runs (0: off).
    // Chosen while the tones play it counts from then, else from Start.
    void SetSleepMinutes(int minutes);
    void TimerSleep_Timer();
    // The system menu's "Stop after" submenu, in the window's language.
    std::string sleepMenuTitle() const;
    std::vector<std::string> sleepMenuItems() const;
    int sleepMenuChecked() const;
    void sleepMenuChoose(int item);

    // The controls a language switch rewrites.
    LanguageTargets languageTargets();

private:
    void layOutControls();
    void layOutTitleAndBands();
    void layOutCentre();
    void layOutRightColumn();
    void layOutHiddenControls();
    void wireEvents();
    void applyPreset(int index);
    void rateChanged(int buffer, const forms::ScrollBar& bar, forms::Label& readout, forms::Label& valueLabel);
    // Names for screen readers where no caption says what a control is;
    // they follow the language.
    void nameControls();
    // The sleep timer counts afresh, or stops counting and fading.
    void startSleepCount();
    void cancelSleepCount();
    // Whether the saved Left and Top leave the close picture and enough of
    // the title strip on the screens' work areas.
    bool savedPositionLeavesWindowUsable();

    WindowPlatform system_;
    DataClass Data;
    bool tonesPlaying_ = false;
    int sleepMinutes_ = 0;
    int minutesBeforeFade_ = 0;  // whole minutes still to count before the fade
    int fadeTicks_ = 0;          // ticks of the fade so far (0: not fading)
};

} // namespace lumetra
