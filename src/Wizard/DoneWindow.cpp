#include "Wizard/DoneWindow.h"

#include "Wizard/WizardLook.h"
#include "Wizard/WizardTexts.h"

namespace wizard {

DoneWindow::DoneWindow(const std::string& result, int thanksHeight, int siteTop, const std::string& site)
    : Form("DoneForm") {
    setCaption(say(texts::kInstallComplete));
    setBorder(Border::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setStartPosition(StartPosition::CenterScreen);
    setClientSize(kDoneWidth, kDoneHeight);
    setIconId(1);
    Label3.move(kDoneHeader.left, kDoneHeader.top, kDoneHeader.width, kDoneHeader.height);
    Label3.setBackColor(kHeaderColor);
    Label1.setCaption(result);
    Label1.move(240, 240, 4800, 285);
    Label1.setBackColor(kHeaderColor);
    makeHeading(Label1);
    placePicture(Image2, kDoneEmblem, Emblem());
    nameEmblem(Image2);
    ThankYouLabel.move(240, 870, kDoneWidth - 480, thanksHeight);
    Label2.setCaption(site);
    Label2.move(240, siteTop, kDoneWidth - 480, 255);
    ShortcutName.setVisible(false);
}

void DoneWindow::placeDoneButton(forms::CommandButton& done) {
    done.setCaption(say(texts::kDone));
    done.move(kDoneButton.left, kDoneButton.top, kDoneButton.width, kDoneButton.height);
    // Enter and Esc both mean "Done", as closing the window does.
    done.setDefault(true);
    done.setCancel(true);
}

} // namespace wizard
