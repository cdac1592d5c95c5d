// Uninstall.exe: the uninstall wizard over the real folders, files, registry
// and shell. Started by itself with the private argument, it is the copy that
// removes the ended uninstaller and its folder, and shows nothing. The
// command line may ask for a silent run and a log (Wizard/Switches.h).
#include "InstallRecord/InstallRecord.h"
#include "Product.h"
#include "Uninstall/UninstallForm1.h"
#include "Uninstall/UninstallTexts.h"
#include "platform/paths.h"
#include "Wizard/QuietBoxes.h"
#include "Wizard/RunStart.h"
#include "win32/command_line.h"
#include "win32/elevation.h"
#include "win32/host.h"
#include "win32/self_removal_win32.h"
#include "win32/shell_links.h"
#include "win32/system_files.h"
#include "win32/system_folders.h"
#include "win32/system_message_boxes.h"
#include "win32/system_registry.h"
#include "win32/ui_language.h"

int main() {
    if (host::runSelfRemovalIfAsked()) return 0;
    host::Application app;
    host::SystemFolders folders;
    host::SystemFileSystem files;
    host::SystemRegistry registry;
    host::ShellLinks shortcuts;
    host::Win32SelfRemoval removal;
    host::SystemMessageBoxes shownBoxes;

    const std::vector<std::string> args = host::commandLineArguments();
    wizard::setLanguage(wizard::chooseLanguage(args, host::userInterfaceIsRomanian()));
    const wizard::ParsedSwitches parsed = wizard::parseSwitches(args, wizard::Program::Uninstall);
    // An installation for all users is removed with administrator rights:
    // Uninstall asks for them by starting itself again with them. One for
    // the user alone needs none.
    const auto installed = record::read(files, folders.programFolder());
    // The copy is marked, and never asks once more.
    if (parsed && !parsed.switches.help && !parsed.switches.elevatedCopy && !host::runsElevated() &&
        !(installed && installed->forCurrentUser)) {
        std::vector<std::string> again = args;
        again.push_back("/ELEVATED");
        again.push_back(wizard::language() == wizard::Language::Romanian ? "/LANG=ro" : "/LANG=en");
        if (const auto status = host::runElevatedAndWait(again)) return *status;
    }
    wizard::RunReport report;
    // Uninstall deletes in the folder it runs from and the settings kept in
    // the user's application data: a log there is refused.
    const std::string appData = folders.userAppDataFolder();
    const std::string appDataSettings =
        appData.empty() ? std::string()
                        : platform::joinPath(platform::joinPath(appData, product::kName), product::kSettingsFile);
    const wizard::RunStartFacts facts{wizard::Program::Uninstall, wizard::say(uninstall::texts::kCaption), args,
                                      host::writeStandardError,
                                      {{folders.programFile(), appDataSettings}, {folders.programFolder()}}};
    if (const auto status = wizard::startRun(facts, parsed, files, shownBoxes, report))
        return *status;
    wizard::QuietBoxes boxes(shownBoxes, report, parsed.switches);
    // However the program ends, the report writes its result and gives the status.
    app.endWith([&report] { return report.finish(); });

    uninstall::DoneForm done(removal);
    uninstall::Form1 form({folders, files, registry, shortcuts, removal, boxes}, done);
    form.reportTo(report);
    app.attach(form);
    app.attach(done);
    form.load();
    form.start(parsed.switches);
    return app.run();
}
