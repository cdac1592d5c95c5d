#include "Uninstall/UninstallDoneForm.h"

#include "Product.h"
#include "Uninstall/UninstallTexts.h"

namespace uninstall {

DoneForm::DoneForm(platform::SelfRemoval& removal)
    : DoneWindow(wizard::say(texts::kComplete), 855, 1800, wizard::say(texts::kWebsite, {product::WebSite::kAddress})),
      removal_(removal) {
    placeDoneButton(Command1);

    Command1.Click = [this] { Command1_Click(); };
    Unload = [this] { Form_Unload(); };
}

void DoneForm::showIncomplete(const std::vector<Leftover>& stayed) {
    setCaption(wizard::say(texts::kIncomplete));
    Label1.setCaption(wizard::say(texts::kIncomplete));
    ThankYouLabel.setCaption(describeLeftovers(stayed, product::kName));
    programFile_.clear();
    folders_.clear();
}

void DoneForm::removeAfterEnd(std::string programFile, std::vector<std::string> folders) {
    programFile_ = std::move(programFile);
    folders_ = std::move(folders);
}

void DoneForm::noteFolderKept(const std::string& folder) {
    ThankYouLabel.setCaption(wizard::say(texts::kFolderKept, {ThankYouLabel.caption(), folder}));
}

void DoneForm::Command1_Click() {
    // The run is settled and this window is its last word: a removal that
    // cannot be arranged leaves Uninstall.exe and its folder behind, which
    // the log says instead of leaving its promise standing.
    if (!programFile_.empty())
        if (const rt::Outcome<> arranged = removal_.removeAfterExit(programFile_, folders_); !arranged)
            report().step("Could not arrange the removal of " + programFile_ + " and the emptied folders after the end: " +
                          arranged.reason() + "; they stay.");
    endProgram();
}

// Nothing else is left open (Form1 is hidden), so the close box does what
// "Done" does rather than leave a program running with no window.
void DoneForm::Form_Unload() {
    Command1_Click();
}

} // namespace uninstall
