// Setup.exe: the install wizard over the real folders, files, registry and
// shell links. The completion window and the archive window are made hidden;
// the archive window's timer runs the extraction walk. The command line may
// ask for a silent run, a folder, no shortcut and a log (Wizard/Switches.h).
#include "Product.h"
#include "Setup/SetupForm1.h"
#include "Setup/SetupRunFiles.h"
#include "Setup/SetupTexts.h"
#include "Wizard/QuietBoxes.h"
#include "Wizard/RunStart.h"
#include "win32/command_line.h"
#include "win32/elevation.h"
#include "win32/folder_picker_win32.h"
#include "win32/host.h"
#include "win32/shell_links.h"
#include "win32/system_files.h"
#include "win32/system_folders.h"
#include "win32/system_message_boxes.h"
#include "win32/system_registry.h"
#include "win32/ui_language.h"

int main() {
    host::Application app;
    host::SystemFolders folders;
    host::SystemFileSystem files;
    host::SystemRegistry registry;
    host::ShellLinks shortcuts;
    host::SystemMessageBoxes shownBoxes;

    const std::vector<std::string> args = host::commandLineArguments();
    wizard::setLanguage(wizard::chooseLanguage(args, host::userInterfaceIsRomanian()));
    const wizard::ParsedSwitches parsed = wizard::parseSwitches(args, wizard::Program::Setup);
    const bool elevated = host::runsElevated();
    wizard::RunReport report;
    // The wizard's log waits for the folder page: the folder chosen there is
    // checked against it before it is written.
    const wizard::RunStartFacts facts{wizard::Program::Setup, wizard::say(setup::texts::kCaption), args,
                                      host::writeStandardError,
                                      setup::setupRunFiles(folders, files, registry, product::kName, parsed.switches),
                                      parsed.switches.quiet == wizard::Quiet::Shown};
    if (const auto status = wizard::startRun(facts, parsed, files, shownBoxes, report))
        return *status;
    wizard::QuietBoxes boxes(shownBoxes, report, parsed.switches);
    host::SystemFolderPicker picker;
    // However the program ends, the report writes its result and gives the status.
    app.endWith([&report] { return report.finish(); });

    setup::SetupSystem system{folders, files, registry, shortcuts, boxes, picker, elevated};
    // Installing for all users needs administrator rights: Setup asks for
    // them by starting itself again with them and the same choices, marked
    // so that the copy never asks once more.
    if (!parsed.switches.elevatedCopy) {
        system.runElevatedCopy = [&args](const std::string& folder) {
            std::vector<std::string> again = args;
            again.insert(again.end(), {"/ALLUSERS", "/DIR=" + folder, "/ELEVATED",
                                       wizard::language() == wizard::Language::Romanian ? "/LANG=ro" : "/LANG=en"});
            return host::runElevatedAndWait(again);
        };
    }
    setup::Form1 form(system);
    form.reportTo(report);
    app.attach(form);
    app.attach(form.doneForm);
    app.attach(form.dezarhivator);
    form.load();
    form.start(parsed.switches);
    return app.run();
}
