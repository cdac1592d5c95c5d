#include "Setup/DoneForm.h"

#include "Product.h"
#include "Setup/MakeShortcut.h"
#include "Wizard/WizardLook.h"
#include "platform/paths.h"

namespace setup {

DoneForm::DoneForm(platform::Shortcuts& shortcuts, const forms::TextBox& installFolder)
    : Form("DoneForm"), shortcuts_(shortcuts), installFolder_(installFolder) {
    setCaption("Install complete!");
    wizard::placeDoneWindow(*this, Label3, Label1, Image2, Command1);
    Label1.setCaption("Install complete!");

    ThankYouLabel.move(240, 870, wizard::kDoneWidth - 480, 600);
    Label2.setCaption(std::string("For support, please visit ") + product::WebSite::kAddress);
    Label2.move(240, 1500, wizard::kDoneWidth - 480, 255);
    Check1.setCaption("Make shortcut on Desktop");
    Check1.move(240, 1860, 3600, 285);
    Check1.setValue(1);
    ShortcutName.setVisible(false);

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
        AddShortcut(shortcuts_, platform::joinPath(installFolder_.text(), ShortcutName.caption() + ".exe"), "Desktop",
                    ShortcutName.caption(), "", 0, 0);
    }
    forms::endProgram();
}

} // namespace setup
