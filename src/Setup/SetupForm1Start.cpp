// A run as the command line asks for it. A silent run passes the welcome and
// folder pages as "Next >" would, the folder checked exactly as the folder
// page checks a typed one; the schedule that installs is the same.
#include "Setup/SetupForm1.h"

namespace setup {

void Form1::takeSwitches(const wizard::Switches& switches) {
    setMode(wizard::chosenMode(switches, system_.elevated));
    report().step(mode_ == wizard::InstallMode::AllUsers ? "Mode: for all users." : "Mode: for the current user only.");
    if (switches.dir) Cale.setText(*switches.dir);
    if (switches.noIcons) doneForm.Check1.setValue(0);
}

// The copy started with administrator rights goes on where the user left
// the first run: on the folder page.
void Form1::startedShown(const wizard::Switches& switches) {
    if (switches.elevatedCopy) Command4_Click();
}

void Form1::passPages() {
    Pas1.setVisible(false);
    Command7_Click();
}

} // namespace setup
