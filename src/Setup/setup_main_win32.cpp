// Setup.exe: the install wizard over the real folders, files, registry and
// shell links. The completion window and the archive window are made hidden;
// the archive window's timer runs the extraction walk. The command line may
// ask for a silent run, a folder, no shortcut and a log (Wizard/Switches.h).
#include "Product.h"
#include "Setup/SetupForm1.h"
#include "Setup/SetupRunFiles.h"
#include "Setup/SetupTexts.h"
#include "Wizard/wizard_main_win32.h"
#include "win32/elevation.h"
#include "win32/folder_picker_win32.h"

int main() {
    wizard::WizardSystem machine(wizard::Program::Setup);
    const wizard::Switches& switches = machine.parsed.switches;
    // The wizard's log waits for the folder page: the folder chosen there is
    // checked against it before it is written.
    wizard::WizardRun run(machine, wizard::say(setup::texts::kCaption),
                          setup::setupRunFiles(machine.folders, machine.files, machine.registry, product::kName, switches),
                          switches.quiet == wizard::Quiet::Shown);
    if (const auto status = run.endedAtStart()) return *status;
    host::SystemFolderPicker picker;

    setup::SetupSystem system{machine.folders, machine.files, machine.registry, machine.shortcuts, run.boxes(), picker,
                              host::runsElevated()};
    // Installing for all users needs administrator rights: Setup asks for
    // them by starting itself again with them and the same choices.
    if (!switches.elevatedCopy) {
        system.runElevatedCopy = [&machine](const std::string& folder) {
            return machine.runElevatedCopy({"/ALLUSERS", "/DIR=" + folder});
        };
    }
    setup::Form1 form(system);
    return run.run(form, {&form.doneForm, &form.dezarhivator});
}
