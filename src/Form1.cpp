#include "Form1.h"

#include "PresetTable.h"

#include "core/errors.h"

namespace lumetra {

namespace {

constexpr forms::Color kLightGrey = 0xE0E0E0;

forms::Font bold(double size = 8.25) {
    forms::Font f;
    f.bold = true;
    f.size = size;
    return f;
}

void setUpRateBar(forms::ScrollBar& bar, int top) {
    bar.move(120, top, 2175, 255);
    bar.setRange(1000, 30000);
    bar.setSteps(80, 2000);
    bar.setValue(11025);
}

void setUpPanBar(forms::ScrollBar& bar, int top, int value) {
    bar.move(120, top, 2175, 255);
    bar.setRange(-10000, 10000);
    bar.setSteps(500, 2000);
    bar.setValue(value);
}

} // namespace

Form1::Form1(platform::SoundSystem& sound) : forms::Form("Form1"), Sound(sound) {
    layOutControls();
    wireEvents();
}

// Design state: positions in twips, ranges and initial values. Nothing here
// runs a handler: the events are wired afterwards.
void Form1::layOutControls() {
    setCaption("Corvane Lumetra 1.2.0");
    setBorder(Border::None);
    setMaxButton(false);
    setClientSize(10365, 6465);
    setBackColor(forms::kWhite);

    MentalState.move(0, 1080, 2535, 4110);
    MentalState.setStyle(forms::ListBox::Style::CheckBox);
    Command1.move(120, 5400, 2175, 375);
    Command1.setCaption("Start");
    Command1.setBackColor(kLightGrey);
    Command2.move(120, 5880, 2175, 375);
    Command2.setCaption("Stop");
    Command2.setBackColor(kLightGrey);

    FreqSlider.move(2760, 4680, 5175, 495);
    FreqSlider.setRange(0, 30);
    FreqSlider.setSteps(1, 5);
    FreqSlider.setValue(21);

    for (forms::Label* caption : {&Label11, &Label13, &Label14, &Label18}) caption->setFont(bold());
    for (forms::Label* label : {&Label11, &Label9, &Label13, &Label8, &Label14, &FrecventaLabel, &Label17, &Label18, &KLVL})
        label->setTransparent(true);
    Label11.move(8160, 840, 735, 255);
    Label9.move(9000, 840, 1215, 255);
    Label9.setCaption("0");
    Label13.move(8160, 1080, 735, 255);
    Label8.move(9000, 1080, 1215, 255);
    Label8.setCaption("0");
    Label14.move(8160, 1320, 975, 255);
    FrecventaLabel.move(9240, 1320, 975, 255);
    FrecventaLabel.setCaption("0");
    Label17.move(8160, 2400, 2055, 255);
    Label18.move(8160, 2640, 735, 255);
    KLVL.move(9000, 2640, 1215, 255);
    KLVL.setCaption("Off");

    // The volume bar runs backwards: its left end, 0, is full volume.
    VScroll1.move(8160, 4200, 2175, 255);
    VScroll1.setRange(0, -10000);
    VScroll1.setSteps(200, 1200);
    VScroll1.setValue(-2800);

    // Rates and pans live below the visible client area (6465 twips high).
    setUpRateBar(HScroll1, 6600);
    setUpRateBar(HScroll2, 6960);
    setUpPanBar(HScroll3, 7320, 10000);
    setUpPanBar(HScroll4, 7680, -10000);
    Label15.move(2400, 6600, 1215, 255);
    Label15.setCaption("0");
    Label16.move(2400, 6960, 1215, 255);
    Label16.setCaption("0");
    Label2.move(2400, 7320, 5415, 255);
    Label2.setCaption("SetPan(0)  ( sets the tone to the left or right channel )");
    Label1.move(2400, 7680, 5415, 255);
    Label1.setCaption("SetPan(1)  ( sets the tone to the left or right channel )");

    TimerFade.setEnabled(false);
    TimerEcran.setEnabled(false);
}

void Form1::wireEvents() {
    Load = [this] { Form_Load(); };
    Unload = [this] { Form_Unload(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    TimerFade.Tick = [this] { TimerFade_Timer(); };
    HScroll1.Change = [this] { HScroll1_Change(); };
    HScroll1.Scroll = [this] { HScroll1_Scroll(); };
    HScroll2.Change = [this] { HScroll2_Change(); };
    HScroll2.Scroll = [this] { HScroll2_Scroll(); };
    HScroll3.Change = [this] { HScroll3_Change(); };
    HScroll3.Scroll = [this] { HScroll3_Scroll(); };
    // The right tone's pan routine answers the scroll notification only.
    HScroll4.Scroll = [this] { HScroll4_Scroll(); };
    VScroll1.Change = [this] { VScroll1_Change(); };
    VScroll1.Scroll = [this] { VScroll1_Scroll(); };
    MentalState.MouseDown = [this](const forms::MouseArgs& a) { MentalState_MouseDown(a); };
    MentalState.MouseUp = [this](const forms::MouseArgs& a) { MentalState_MouseUp(a); };
    FreqSlider.Change = [this] { FreqSlider_Change(); };
    FreqSlider.Scroll = [this] { FreqSlider_Scroll(); };
}

// Start-up: the preset list holds the English names, and the first preset is
// ticked, current and named, so that a first Start plays it.
void Form1::Form_Load() {
    rt::ResumeNext steps;
    steps([&] {
        MentalState.Clear();
        for (const Preset& p : kPresets) MentalState.AddItem(p.englishName);
    });
    steps([&] {
        MentalState.setSelected(0, true);
        MentalState.setListIndex(0);
    });
    steps([&] { Label17.setCaption(MentalState.text()); });
}

} // namespace lumetra
