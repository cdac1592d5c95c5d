#include "Wizard/WizardForm.h"

#include "Wizard/WizardLook.h"
#include "Wizard/WizardTexts.h"

namespace wizard {

namespace {
constexpr int kBarGrowth = 60;  // twips a tick: 60 wide at first, 6060 at the last tick
}

WizardForm::WizardForm(const std::string& caption, const WelcomePage& welcome) : Form("Form1") {
    setCaption(caption);
    setBorder(Border::FixedSingle);
    setMaxButton(false);
    setStartPosition(StartPosition::CenterScreen);
    setClientSize(kWindowWidth, kWindowHeight);
    setIconId(1);
    placeHeader(Frame1, Titlu, Image1, Image2);
    HeaderLine.setEnds(0, kHeader.height, kWindowWidth, kHeader.height);
    HeaderLine.setBorderColor(0x808080);
    Label2.setCaption("Corvanesoft Setup");
    placeMakerLabel(Label2);
    InstallTimer.setEnabled(false);

    placePage(Pas1);
    placeWelcome(WelcomeLabel, 240, 285);
    placeText(SetupLabel, 720, welcome.introHeight);
    placeText(SetupLabel2, welcome.moreTop, 495);
    Label3.setCaption(welcome.click);
    placeText(Label3, welcome.clickTop, 255);
    placeSeparator(Line1);
    Command4.setCaption(welcome.next);
    placeButtons(&Command4, Command5);

    placePage(Pas3);
    Frame2.move(kTextLeft, 480, kTextWidth, 1140);
    Frame2.setTransparent(true);
    Status.setCaption(say(texts::kBeginWait));
    Status.move(120, 120, kTextWidth - 240, 255);
    Status.setTransparent(true);
    Bar.move(120, 600, kBarGrowth, 255);
    Bar.setStretch(true);
    Bar.setPicture(BarPicture());
    Label1.setCaption(say(texts::kPleaseWait));
    placeText(Label1, 1860, 255);
    placeSeparator(Line3);
    placeButtons(nullptr, Command8);
}

void WizardForm::start(const Switches& switches) {
    quiet_ = switches.quiet;
    takeSwitches(switches);
    if (quiet_ == Quiet::Shown) {
        show();
        startedShown(switches);
        return;
    }
    passPages();
    if (!InstallTimer.enabled()) endProgram();
    if (quiet_ == Quiet::Silent) show();
}

void WizardForm::growBar() { Bar.move(Bar.left(), Bar.top(), Bar.width() + kBarGrowth, Bar.height()); }

} // namespace wizard
