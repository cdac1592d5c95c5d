// Uninstall.exe: the uninstall wizard over the real folders, files, registry
// and shell. Started by itself with the private argument, it is the copy that
// removes the ended uninstaller and its folder, and shows nothing. The
// command line may ask for a silent run and a log (Wizard/Switches.h).
#include "InstallRecord/InstallRecord.h"
#include "Product.h"
#include "Uninstall/UninstallForm1.h"
#include "Uninstall/UninstallTexts.h"
#include "platform/paths.h"
#include "Wizard/wizard_main_win32.h"
#include "win32/elevation.h"
#include "win32/self_removal_win32.h"

int main() {
    if (host::runSelfRemovalIfAsked()) return 0;
    wizard::WizardSystem machine(wizard::Program::Uninstall);
    host::Win32SelfRemoval removal;
    const wizard::ParsedSwitches& parsed = machine.parsed;
    // An installation for all users is removed with administrator rights:
    // Uninstall asks for them by starting itself again with them. One for
    // the user alone needs none.
    if (parsed && !parsed.switches.help && !parsed.switches.elevatedCopy && !host::runsElevated()) {
        const auto installed = record::read(machine.files, machine.folders.programFolder());
        if (!(installed && installed->forCurrentUser))
            if (const auto status = machine.runElevatedCopy()) return *status;
    }
    // Uninstall deletes in the folder it runs from and the settings kept in
    // the user's application data: a log there is refused.
    const std::string appData = machine.folders.userAppDataFolder();
    const std::string appDataSettings =
        appData.empty() ? std::string()
                        : platform::joinPath(platform::joinPath(appData, product::kName), product::kSettingsFile);
    wizard::WizardRun run(machine, wizard::say(uninstall::texts::kCaption),
                          {{machine.folders.programFile(), appDataSettings}, {machine.folders.programFolder()}});
    if (const auto status = run.endedAtStart()) return *status;

    uninstall::DoneForm done(removal);
    uninstall::Form1 form({machine.folders, machine.files, machine.registry, machine.shortcuts, removal, run.boxes()}, done);
    return run.run(form, {&done});
}
