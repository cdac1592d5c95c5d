#include "Setup/SetupDoneForm.h"

#include "Product.h"
#include "Wizard/WizardTexts.h"
#include "Setup/SetupMakeShortcut.h"
#include "Setup/SetupTexts.h"
#include "platform/paths.h"

namespace setup {

DoneForm::DoneForm(platform::Shortcuts& shortcuts, const forms::TextBox& installFolder, wizard::ReportsRun& run)
    : DoneWindow(wizard::say(wizard::texts::kInstallComplete), 600, 1500,
                 wizard::say(texts::kSupport, {product::WebSite::kAddress})),
      shortcuts_(shortcuts), installFolder_(installFolder), run_(run) {
    Check1.setCaption(wizard::say(texts::kMakeShortcut));
    Check1.move(240, 1860, 3600, 285);
    Check1.setValue(1);
    placeDoneButton(Command1);

    Command1.Click = [this] { Command1_Click(); };
    // Closing the window is "Done": the installer's own window is hidden by
    // now, and nothing else would end the program.
    Unload = [this] { Command1_Click(); };
}

void DoneForm::showFailure(const std::string& reason) {
    failed_ = true;
    setCaption(wizard::say(texts::kFailedCaption));
    Label1.setCaption(wizard::say(texts::kFailedResult));
    ThankYouLabel.setCaption(reason);
    Check1.setValue(0);
    Check1.setVisible(false);
}

void DoneForm::Command1_Click() {
    if (!failed_) makeShortcut();
    endProgram();
}

// A shortcut that cannot be made is not reported in a box: the product is
// installed. The log says so.
void DoneForm::makeShortcut() {
    wizard::RunReport& report = run_.report();
    if (!Check1.checked()) {
        report.step("Shortcut: none was asked for.");
        return;
    }
    const std::string target = platform::joinPath(installFolder_.text(), ShortcutName.caption() + ".exe");
    const std::string link = platform::joinPath(shortcuts_.specialFolder("Desktop"), ShortcutName.caption() + ".lnk");
    const rt::Outcome<> made = AddShortcut(shortcuts_, target, "Desktop", ShortcutName.caption(), "", 0, 0);
    if (made)
        report.step("Shortcut: " + link + " to " + target);
    else
        report.step("Shortcut: could not be made on the desktop (" + link + "): " + made.reason() + ".");
}

} // namespace setup
