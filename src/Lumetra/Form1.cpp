#include "Lumetra/Form1.h"

#include "Lumetra/Artwork.h"
#include "Product.h"

namespace lumetra {

namespace {

constexpr forms::Color kLightGrey = 0xE0E0E0;
constexpr forms::Color kDarkGrey = 0x404040;
constexpr forms::Color kRed = 0x0000FF;
// The application icon's resource number in the program.
constexpr int kAppIcon = 1;

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
    bar.setTabStop(false);  // only the program sets it
}

void setUpPanBar(forms::ScrollBar& bar, int top, int value) {
    bar.move(120, top, 2175, 255);
    bar.setRange(-10000, 10000);
    bar.setSteps(500, 2000);
    bar.setValue(value);
    bar.setTabStop(false);  // the pans cannot be operated
}

void transparent(std::initializer_list<forms::Label*> labels) {
    for (forms::Label* l : labels) l->setTransparent(true);
}

// A dark section header of the right column.
void header(forms::Label& label, int top) {
    label.move(8160, top, 2175, 255);
    label.setBackColor(kDarkGrey);
    label.setForeColor(kLightGrey);
    label.setFont(bold());
}

} // namespace

Form1::Form1(platform::SoundSystem& sound, const WindowPlatform& system)
    : forms::Form("Form1"), Sound(sound), system_(system), Data(system.files) {
    layOutControls();
    wireEvents();
}

// Design state: positions in twips, colours, fonts, ranges and initial
// values. Nothing here runs a handler: the events are wired afterwards.
void Form1::layOutControls() {
    setCaption(std::string(product::kName) + " " + product::kVersion);
    setBorder(Border::None);
    setMaxButton(false);
    setClientSize(10365, 6465);
    setBackColor(forms::kWhite);
    setIconId(kAppIcon);

    layOutTitleAndBands();

    // Two full lines of the bold prompt at every DPI (the design height is a
    // pixel short of two lines at 120 DPI).
    Label3.move(120, 600, 2295, 390);
    Label3.setFont(bold());
    Label3.setAlignment(forms::Alignment::Center);
    Label3.setTransparent(true);
    // Wide enough for the longest entry beside its check box ("Relaxation but
    // staying focused"), which the design width cut by a few pixels.
    MentalState.move(0, 1080, 2625, 4110);
    MentalState.setStyle(forms::ListBox::Style::CheckBox);
    Command1.move(120, 5400, 2175, 375);
    Command1.setCaption("Start");
    Command1.setBackColor(kLightGrey);
    Command2.move(120, 5880, 2175, 375);
    Command2.setCaption("Stop");
    Command2.setBackColor(kLightGrey);

    layOutCentre();
    layOutRightColumn();
    layOutHiddenControls();

    TimerFade.setEnabled(false);
    TimerEcran.setEnabled(false);
    TimerSleep.setEnabled(false);
}

void Form1::layOutTitleAndBands() {
    Image4.move(0, 0, 10365, 375);
    Image4.setPicture(Artwork::TitleStrip());
    Label12.move(3000, 75, 4335, 255);
    Label12.setCaption(product::kName);
    Label12.setForeColor(kLightGrey);
    Label12.setFont(bold(9.75));
    Label12.setAlignment(forms::Alignment::Center);
    Label12.setTransparent(true);
    Image6.move(9465, 30, 315, 315);
    Image6.setPicture(Artwork::MinimizePicture());
    Image5.move(9840, 30, 315, 315);
    Image5.setPicture(Artwork::ClosePicture());

    Image11.move(0, 5400, 10440, 1080);
    Image11.setPicture(Artwork::BottomBand());
    Image11.setStretch(true);
    // Tall enough for the bold 12-point line with its descenders at any DPI.
    Label4.move(2640, 6000, 5415, 300);
    Label4.setCaption(product::WebSite::kAddress);
    Label4.setForeColor(forms::kBlack);
    Label4.setFont(bold(12));
    Label4.setAlignment(forms::Alignment::Center);
    Label4.setTransparent(true);
}

void Form1::layOutCentre() {
    // The frame's own caption is covered by the panel, which starts above it.
    Frame1.move(2640, 480, 5415, 3615);
    Frame1.setBackColor(forms::kBlack);
    Ecran.move(0, -120, 5415, 3735);
    Ecran.setBackColor(kDarkGrey);

    Shape1.move(2640, 4200, 5415, 2175);
    // Two full lines at every DPI, ending where the slider begins.
    Label21.move(2760, 4290, 5175, 390);
    Label21.setTransparent(true);

    FreqSlider.move(2760, 4680, 5175, 495);
    FreqSlider.setRange(0, 30);
    FreqSlider.setSteps(1, 5);
    FreqSlider.setValue(21);

    // The scale under the slider: its numbers spread evenly from the left
    // edge to the right edge whatever the font, and the coloured bands mark
    // the Delta, Theta, Alpha and Beta ranges.
    Label22.move(2880, 5160, 4935, 255);
    Label22.setCaption("0 5 10 15 20 25 30");
    Label22.setAlignment(forms::Alignment::Spread);
    Label22.setTransparent(true);
    const struct { forms::Label* band; int left, width; forms::Color color; } bands[] = {
        {&Label23, 2760, 855, 0xC0E0FF},
        {&Label24, 3600, 660, 0x80C0FF},
        {&Label25, 4260, 915, 0x0080FF},
        {&Label26, 5175, 2760, 0x0040C0},
    };
    for (const auto& b : bands) {
        b.band->move(b.left, 5160, b.width, 615);
        b.band->setBackColor(b.color);
    }
    const struct { forms::Label* name; int left, width; const char* text; } names[] = {
        {&Label27, 2880, 615, "Delta"}, {&Label28, 3720, 615, "Theta"}, {&Label29, 4440, 615, "Alpha"},
        {&Label30, 5280, 615, "Beta"},  {&Label31, 7560, 375, "(hz)"},
    };
    for (const auto& n : names) {
        n.name->move(n.left, 5520, n.width, 255);
        n.name->setCaption(n.text);
        n.name->setFont(bold());
        n.name->setTransparent(true);
    }
}

void Form1::layOutRightColumn() {
    header(Label7, 480);
    header(Label10, 2040);
    header(Label19, 3000);
    header(Label20, 3840);

    // "Running" beside the state stays regular, unlike the three tone captions.
    for (forms::Label* caption : {&Label11, &Label13, &Label14}) caption->setFont(bold());
    transparent({&Label11, &Label9, &Label13, &Label8, &Label14, &FrecventaLabel, &Label33, &Label17, &Label18, &KLVL,
                 &Label32, &Label6, &Label5});
    Label11.move(8160, 840, 735, 255);
    Label9.move(9000, 840, 1215, 255);
    Label9.setCaption("0");
    Label13.move(8160, 1080, 735, 255);
    Label8.move(9000, 1080, 1215, 255);
    Label8.setCaption("0");
    Label14.move(8160, 1320, 975, 255);
    FrecventaLabel.move(9240, 1320, 975, 255);
    FrecventaLabel.setCaption("0");
    Shape2.move(8160, 1560, 2055, 375);
    Label33.move(8160, 1560, 2055, 375);
    Label33.setCaption("0");
    Label33.setForeColor(kRed);
    Label33.setFont(bold(13.5));
    Label33.setAlignment(forms::Alignment::Center);
    // Two lines for the selected preset: the longest names do not fit on one
    // line of the column; the running state moves down to make room.
    Label17.move(8160, 2340, 2055, 390);
    Label18.move(8160, 2730, 735, 255);
    KLVL.move(9000, 2730, 1215, 255);
    KLVL.setCaption("Off");

    // The combo shows "English" with no item chosen until the settings or
    // the user choose one.
    Combo1.move(8160, 3360, 2175, 315);
    Combo1.AddItem("English");
    Combo1.AddItem("Romana");
    Combo1.setText("English");

    // The volume bar runs backwards: its left end, 0, is full volume.
    VScroll1.move(8160, 4200, 2175, 255);
    VScroll1.setRange(0, -10000);
    VScroll1.setSteps(200, 1200);
    VScroll1.setValue(-2800);
    Label32.move(8160, 4440, 2175, 255);
    // Plus at the loud left end of the volume bar, minus at its quiet end.
    Label32.setCaption("+ -");
    Label32.setAlignment(forms::Alignment::Spread);
    Label32.setFont(bold(9.75));

    Line2.setEnds(8160, 4920, 10200, 4920);
    Line2.setBorderColor(forms::kBlack);
    Label6.move(8160, 5040, 2175, 615);
    Label5.move(8160, 5760, 2175, 495);
}

// Rates, pans and the settings lines live below the visible client area
// (6465 twips high).
void Form1::layOutHiddenControls() {
    setUpRateBar(HScroll1, 6600);
    setUpRateBar(HScroll2, 6960);
    // The tone the window calls "Left:" (buffer 0) plays in the left ear and
    // "Right:" (buffer 1) in the right, as a listener checks with headphones.
    setUpPanBar(HScroll3, 7320, -10000);
    setUpPanBar(HScroll4, 7680, 10000);
    Label15.move(2400, 6600, 1215, 255);
    Label15.setCaption("0");
    Label16.move(2400, 6960, 1215, 255);
    Label16.setCaption("0");
    Label2.move(2400, 7320, 5415, 255);
    Label2.setCaption("SetPan(0)  ( sets the tone to the left or right channel )");
    Label1.move(2400, 7680, 5415, 255);
    Label1.setCaption("SetPan(1)  ( sets the tone to the left or right channel )");
    Setari.move(8160, 6600, 2175, 1035);
    Setari.setTabStop(false);  // the settings lines are the program's own
}

void Form1::wireEvents() {
    Load = [this] { Form_Load(); };
    Unload = [this] { Form_Unload(); };
    MouseMove = [this](const forms::MouseArgs& a) { Form_MouseMove(a); };
    Image4.MouseDown = [this](const forms::MouseArgs& a) { Image4_MouseDown(a); };
    Label12.MouseDown = [this](const forms::MouseArgs& a) { Label12_MouseDown(a); };
    Image5.Click = [this] { Image5_Click(); };
    Image6.Click = [this] { Image6_Click(); };
    Image11.MouseMove = [this](const forms::MouseArgs& a) { Image11_MouseMove(a); };
    Label4.Click = [this] { Label4_Click(); };
    Label4.MouseMove = [this](const forms::MouseArgs& a) { Label4_MouseMove(a); };
    Combo1.Click = [this] { Combo1_Click(); };
    TimerEcran.Tick = [this] { TimerEcran_Timer(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    TimerFade.Tick = [this] { TimerFade_Timer(); };
    TimerSleep.Tick = [this] { TimerSleep_Timer(); };
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

LanguageTargets Form1::languageTargets() {
    return {MentalState, Label3, Label7, Label11, Label13, Label14, Label10,
            Label17,     Label18, Label20, Label21, Label19, Label6, Label5};
}

} // namespace lumetra
