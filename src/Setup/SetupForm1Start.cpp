// A run as the command line asks for it. A silent run passes the welcome and
// folder pages as "Next >" would, the folder checked exactly as the folder
// page checks a typed one; the schedule that installs is the same.
#include "Setup/SetupForm1.h"

namespace setup {

void Form1::start(const wizard::Switches& switches) {
    quiet_ = switches.quiet;
    setMode(wizard::chosenMode(switches, system_.elevated));
    report().step(mode_ == wizard::InstallMode::AllUsers ? "Mode: for all users." : "Mode: for the current user only.");
    if (switches.dir) Cale.setText(*switches.dir);
    if (switches.noIcons) doneForm.Check1.setValue(0);
    if (quiet_ == wizard::Quiet::Shown) {
        show();
        // The copy started with administrator rights goes on where the
        // user left the first run: on the folder page.
        if (switches.elevatedCopy) Command4_Click();
        return;
    }
    Pas1.setVisible(false);
    Command7_Click();
    // A refused folder (the reason is in the report) or a "No" to a
    // question ends the run here.
    if (!InstallTimer.enabled()) endProgram();
    if (quiet_ == wizard::Quiet::Silent) show();
}

} // namespace setup
