#pragma once
// The completion window: thanks, the maker's site, and the offer of a
// desktop shortcut. After a failed installation it says what failed instead
// and offers no shortcut.
#include "Wizard/DoneWindow.h"
#include "Wizard/RunReport.h"
#include "forms/controls.h"
#include "platform/shortcuts.h"

#include <string>

namespace setup {

class DoneForm : public wizard::DoneWindow {
public:
    // `installFolder` is the installer's Cale: the shortcut points into it.
    // `run` is the installer, whose report says what became of the shortcut.
    DoneForm(platform::Shortcuts& shortcuts, const forms::TextBox& installFolder, wizard::ReportsRun& run);

    // Turns the window into the report of a failed installation.
    void showFailure(const std::string& reason);

    forms::CheckBox Check1{*this, "Check1"};
    forms::CommandButton Command1{*this, "Command1"};

private:
    void Command1_Click();
    void makeShortcut();

    platform::Shortcuts& shortcuts_;
    const forms::TextBox& installFolder_;
    wizard::ReportsRun& run_;
    bool failed_ = false;
};

} // namespace setup
