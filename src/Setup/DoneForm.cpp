#include "Setup/DoneForm.h"

#include "Product.h"
#include "Setup/MakeShortcut.h"
#include "Wizard/WizardLook.h"

namespace setup {

DoneForm::DoneForm(platform::Shortcuts& shortcuts, const forms::TextBox& installFolder)
    : Form("DoneForm"), shortcuts_(shortcuts), installFolder_(installFolder) {
    setCaption("Install complete!");
    setBorder(Border::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setStartPosition(StartPosition::CenterScreen);
    setClientSize(wizard::kDoneWidth, wizard::kDoneHeight);
    setIconId(1);

    const forms::Rect header = wizard::kDoneHeader;
    Label3.move(header.left, header.top, header.width, header.height);
    Label3.setBackColor(wizard::kHeaderColor);
    Label1.setCaption("Install complete!");
    Label1.move(240, 240, 4800, 285);
    Label1.setBackColor(wizard::kHeaderColor);
    forms::Font bold = Label1.font();
    bold.bold = true;
    bold.size = 9.75;
    Label1.setFont(bold);
    const forms::Rect emblem = wizard::kDoneEmblem;
    Image2.move(emblem.left, emblem.top, emblem.width, emblem.height);
    Image2.setStretch(true);
    Image2.setPicture(wizard::Emblem());

    ThankYouLabel.move(240, 870, wizard::kDoneWidth - 480, 600);
    Label2.setCaption(std::string("For support, please visit ") + product::WebSite::kAddress);
    Label2.move(240, 1500, wizard::kDoneWidth - 480, 255);
    Check1.setCaption("Make shortcut on Desktop");
    Check1.move(240, 1860, 3600, 285);
    Check1.setValue(1);
    ShortcutName.setVisible(false);
    const forms::Rect done = wizard::kDoneButton;
    Command1.setCaption("Done");
    Command1.move(done.left, done.top, done.width, done.height);
    // Enter and Esc both mean "Done", as closing the window does.
    Command1.setDefault(true);
    Command1.setCancel(true);

    Command1.Click = [this] { Command1_Click(); };
    // Closing the window is "Done": the installer's own window is hidden by
    // now, and nothing else would end the program.
    Unload = [this] { Command1_Click(); };
}

void DoneForm::showFailure(const std::string& reason) {
    failed_ = true;
    setCaption("Install failed");
    Label1.setCaption("Install failed!");
    ThankYouLabel.setCaption(reason);
    Check1.setValue(0);
    Check1.setVisible(false);
}

void DoneForm::Command1_Click() {
    if (!failed_ && Check1.checked()) {
        // A shortcut that cannot be made is not reported; the program still ends.
        AddShortcut(shortcuts_, installFolder_.text() + "\\" + ShortcutName.caption() + ".exe", "Desktop",
                    ShortcutName.caption(), "", 0, 0);
    }
    forms::endProgram();
}

} // namespace setup
