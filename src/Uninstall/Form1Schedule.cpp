// The removal schedule: one InstallTimer tick at a time, 1 to 100.
#include "Uninstall/Form1.h"

#include "Product.h"
#include "Uninstall/AddRemovePrograms.h"
#include "Uninstall/InstallFolderGuard.h"
#include "Uninstall/MakeShortcut.h"
#include "core/errors.h"
#include "platform/paths.h"

namespace uninstall {

namespace {
constexpr int kBarStep = 60;  // twips per tick
} // namespace

void Form1::InstallTimer_Timer() {
    rt::ResumeNext steps;
    steps([&] { StepCounter = static_cast<std::int16_t>(StepCounter + 1); });
    if (StepCounter == 100) steps([&] { showDone(); });
    steps([&] { Bar.move(Bar.left(), Bar.top(), Bar.width() + kBarStep, Bar.height()); });

    const auto row = [&](const char* text, auto action) {
        steps([&] { Status.setCaption(text); });
        steps(action);
    };
    switch (StepCounter) {
    case 1: row("Get list...", [] {}); break;
    case 5:
        row("Delete files...", [&] {
            deleteFolderFiles();
            deleteAppDataSettings();
        });
        break;
    case 15: row("Remove shortcuts", [&] { removeShortcut(); }); break;
    case 80: row("Unregister variabiles...", [] {}); break;
    case 90: row("Remove from Add and Remove Programs...", [&] { removeEntry(); }); break;
    case 100: row("Done!...", [] {}); break;
    default: break;
    }
}

// Every file directly in the install folder but this program, which cannot
// delete itself while it runs; it goes after the end (DoneForm).
void Form1::deleteFolderFiles() {
    const std::string folder = Cale.text();
    const auto names = system_.files.listFiles(folder);
    if (!names) {
        stayed_.push_back(folder);
        return;
    }
    const std::string self = comparablePath(system_.folders.programFile());
    for (const std::string& name : *names) {
        const std::string path = platform::joinPath(folder, name);
        if (comparablePath(path) == self) continue;
        if (!system_.files.deleteFile(path)) stayed_.push_back(name);
    }
}

// The main program keeps its settings in the user's application data when it
// cannot write beside itself; that copy goes too, and its folder when empty.
void Form1::deleteAppDataSettings() {
    const std::string appData = system_.folders.userAppDataFolder();
    if (appData.empty()) return;
    const std::string folder = platform::joinPath(appData, ProductName);
    const std::string settings = platform::joinPath(folder, product::kSettingsFile);
    if (!system_.files.deleteFile(settings)) {
        stayed_.push_back(settings);
        return;
    }
    system_.files.removeEmptyFolder(folder);  // the user's own files there keep it
}

void Form1::removeShortcut() {
    ShortcutToDelete.setCaption(LocateShortcut(system_.shortcuts, Cale.text() + "\\program.exe", "Desktop",
                                               "program", "", 0, 0));
    if (ShortcutToDelete.caption().empty()) return;
    const std::string link = platform::joinPath(ShortcutToDelete.caption(), ProductName + ".lnk");
    if (!system_.files.deleteFile(link)) stayed_.push_back(link);
}

void Form1::removeEntry() {
    const long result = RemoveUninstallEntry(system_.registry, ProductName);
    if (result != 0 && result != 2) stayed_.push_back("the entry in Add and Remove Programs");
}

// Shown at tick 100: what stayed, or after a complete run the removal of this
// program and its folder once "Done" ends it.
void Form1::showDone() {
    InstallTimer.setEnabled(false);
    if (stayed_.empty()) {
        DoneForm_.removeAfterEnd(system_.folders.programFile(), Cale.text());
    } else {
        DoneForm_.showIncomplete(stayed_);
    }
    DoneForm_.load();
    DoneForm_.show();
    hide();
}

} // namespace uninstall
