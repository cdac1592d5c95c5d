// Uninstall.exe: the uninstall wizard over the real folders, files, registry
// and shell. Started by itself with the private argument, it is the copy that
// removes the ended uninstaller and its folder, and shows nothing. The
// command line may ask for a silent run and a log (Wizard/Switches.h).
#include "Product.h"
#include "Uninstall/UninstallForm1.h"
#include "platform/paths.h"
#include "Wizard/QuietBoxes.h"
#include "Wizard/RunStart.h"
#include "win32/command_line.h"
#include "win32/host.h"
#include "win32/self_removal_win32.h"
#include "win32/shell_links.h"
#include "win32/system_files.h"
#include "win32/system_folders.h"
#include "win32/system_message_boxes.h"
#include "win32/system_registry.h"

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
    const wizard::ParsedSwitches parsed = wizard::parseSwitches(args, wizard::Program::Uninstall);
    wizard::RunReport report;
    // Uninstall deletes in the folder it runs from and the settings kept in
    // the user's application data: a log there is refused.
    const std::string appData = folders.userAppDataFolder();
    const std::string appDataSettings =
        appData.empty() ? std::string()
                        : platform::joinPath(platform::joinPath(appData, product::kName), product::kSettingsFile);
    const wizard::RunStartFacts facts{wizard::Program::Uninstall, "Corvane Uninstaller", args,
                                      host::writeStandardError,
                                      {{folders.programFile(), appDataSettings}, {folders.programFolder()}}};
    if (const auto status = wizard::startRun(facts, parsed, files, shownBoxes, report))
        return *status;
    wizard::QuietBoxes boxes(shownBoxes, report, parsed.switches);
    wizard::finishReportAtEnd(report);

    uninstall::DoneForm done(removal);
    uninstall::Form1 form({folders, files, registry, shortcuts, removal, boxes}, done);
    form.reportTo(report);
    app.attach(form);
    app.attach(done);
    form.load();
    form.start(parsed.switches);
    const int status = app.run();
    report.finish();
    return status;
}
