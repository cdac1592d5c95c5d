#include "Uninstall/UninstallDoneForm.h"

#include "Product.h"

#include <cstddef>

namespace uninstall {

namespace {
constexpr std::size_t kNamesShown = 3;
}

std::string describeStayed(const std::vector<std::string>& stayed) {
    std::string names;
    for (std::size_t i = 0; i < stayed.size() && i < kNamesShown; ++i) names += (i ? ", " : "") + stayed[i];
    if (stayed.size() <= kNamesShown) return "Could not remove: " + names + ".";
    return "Could not remove " + std::to_string(stayed.size()) + " items, among them: " + names + ".";
}

DoneForm::DoneForm(platform::SelfRemoval& removal)
    : DoneWindow("Uninstall complete!", 855, 1800,
                 std::string("You can find more on our website: ") + product::WebSite::kAddress),
      removal_(removal) {
    placeDoneButton(Command1);

    Command1.Click = [this] { Command1_Click(); };
    Unload = [this] { Form_Unload(); };
}

void DoneForm::showIncomplete(const std::vector<std::string>& stayed) {
    setCaption("Uninstall incomplete");
    Label1.setCaption("Uninstall incomplete");
    ThankYouLabel.setCaption(describeStayed(stayed) + " Close " + product::kName + " and run Uninstall again.");
    programFile_.clear();
    folders_.clear();
}

void DoneForm::removeAfterEnd(std::string programFile, std::vector<std::string> folders) {
    programFile_ = std::move(programFile);
    folders_ = std::move(folders);
}

void DoneForm::noteFolderKept(const std::string& folder) {
    ThankYouLabel.setCaption(ThankYouLabel.caption() + " The folder " + folder +
                             " was kept because it holds other files.");
}

void DoneForm::Command1_Click() {
    if (!programFile_.empty()) removal_.removeAfterExit(programFile_, folders_);
    forms::endProgram();
}

// Nothing else is left open (Form1 is hidden), so the close box does what
// "Done" does rather than leave a program running with no window.
void DoneForm::Form_Unload() {
    Command1_Click();
}

} // namespace uninstall
