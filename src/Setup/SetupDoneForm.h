#pragma once
// The completion window: thanks, the maker's site, and the offer of a
// desktop shortcut. After a failed installation it says what failed instead
// and offers no shortcut.
#include "Wizard/DoneWindow.h"
#include "forms/controls.h"
#include "platform/shortcuts.h"

#include <string>

namespace setup {

class DoneForm : public wizard::DoneWindow {
public:
    // `installFolder` is the installer's Cale: the shortcut points into it.
    DoneForm(platform::Shortcuts& shortcuts, const forms::TextBox& installFolder);

    // Turns the window into the report of a failed installation.
    void showFailure(const std::string& reason);
    bool failed() const noexcept { return failed_; }

    forms::CheckBox Check1{*this, "Check1"};
    forms::CommandButton Command1{*this, "Command1"};

private:
    void Command1_Click();

    platform::Shortcuts& shortcuts_;
    const forms::TextBox& installFolder_;
    bool failed_ = false;
};

} // namespace setup
