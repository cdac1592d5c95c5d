#pragma once
// The completion window. "Done" (or its close box, which does the same) ends
// the program; after a complete run it first arranges that Uninstall.exe and
// the emptied install folder go once the program has ended, and logs it
// when that cannot be arranged.
#include "Uninstall/Leftovers.h"
#include "Wizard/DoneWindow.h"
#include "Wizard/RunReport.h"
#include "forms/controls.h"
#include "platform/self_removal.h"

#include <string>
#include <vector>

namespace uninstall {

class DoneForm : public wizard::DoneWindow, public wizard::ReportsRun {
public:
    explicit DoneForm(platform::SelfRemoval& removal);

    forms::CommandButton Command1{*this, "Command1"};

    // Says what stayed, and what to do about it, instead of claiming success.
    void showIncomplete(const std::vector<Leftover>& stayed);
    // After a complete run: the program file and the folders (innermost
    // first) to remove once the program has ended.
    void removeAfterEnd(std::string programFile, std::vector<std::string> folders);
    // After a complete run that left the install folder because someone's
    // files are in it: says so below the thanks.
    void noteFolderKept(const std::string& folder);

private:
    void Command1_Click();
    void Form_Unload();

    platform::SelfRemoval& removal_;
    std::string programFile_;
    std::vector<std::string> folders_;
};

} // namespace uninstall
