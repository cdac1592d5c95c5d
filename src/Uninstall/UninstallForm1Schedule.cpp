// The removal schedule: one row per tick that does something, with its text
// on the progress page.
#include "Uninstall/UninstallForm1.h"

#include "Product.h"
#include "Uninstall/UninstallAddRemovePrograms.h"
#include "Uninstall/InstallFolderGuard.h"
#include "Uninstall/UninstallMakeShortcut.h"
#include "platform/path_compare.h"
#include "platform/paths.h"

#include <algorithm>

namespace uninstall {

const wizard::ScheduleRow<Form1> Form1::kSchedule[] = {
    {1, "Get list..."},
    {5, "Delete files...", &Form1::deleteFiles},
    {15, "Remove shortcuts", &Form1::removeShortcut},
    {80, "Unregister variabiles..."},
    {90, "Remove from Add and Remove Programs...", &Form1::removeEntry},
    {wizard::kLastTick, "Done!..."},
};

void Form1::InstallTimer_Timer() { runTick(kSchedule, &Form1::showDone); }

void Form1::deleteFiles() {
    deleteInstalledFiles();
    deleteAppDataSettings();
    deleteRecord();
}

// The recorded files lying in the install folder, or without a record the
// programs the product ships; and the settings file beside the program.
std::vector<std::string> Form1::installedFiles() {
    const std::string folder = Cale.text();
    std::vector<std::string> paths;
    if (record_) {
        for (const std::string& file : record_->files)
            if (platform::samePath(system_.files, platform::parentFolder(file), folder)) paths.push_back(file);
    } else {
        for (const char* name : {product::kMainProgram, product::kUninstaller})
            paths.push_back(platform::joinPath(folder, name));
    }
    paths.push_back(platform::joinPath(folder, product::kSettingsFile));
    return paths;
}

// This program cannot delete itself while it runs; it goes after the end
// (DoneForm).
void Form1::deleteInstalledFiles() {
    const std::string self = system_.folders.programFile();
    for (const std::string& path : installedFiles()) {
        if (platform::samePath(system_.files, path, self)) continue;
        deleted(path, platform::fileNameOf(path));
    }
}

// The record goes last, and only when everything it lists went: a second run
// then still knows what to delete.
void Form1::deleteRecord() {
    if (!stayed_.empty()) return;
    const std::string path = record::pathIn(Cale.text());
    deleted(path, platform::fileNameOf(path));
}

// The main program keeps its settings in the user's application data when it
// cannot write beside itself; that copy goes too, and its folder when empty.
void Form1::deleteAppDataSettings() {
    const std::string appData = system_.folders.userAppDataFolder();
    if (appData.empty()) return;
    const std::string folder = platform::joinPath(appData, ProductName);
    const std::string settings = platform::joinPath(folder, product::kSettingsFile);
    if (!deleted(settings, settings)) return;
    system_.files.removeEmptyFolder(folder);  // the user's own files there keep it
}

void Form1::removeShortcut() {
    ShortcutToDelete.setCaption(LocateShortcut(system_.shortcuts, "Desktop"));
    if (ShortcutToDelete.caption().empty()) return;
    const std::string link = platform::joinPath(ShortcutToDelete.caption(), ProductName + ".lnk");
    deleted(link, link);
}

// Deletes one file; what stays is named `shown` on the completion window.
// Only files that were there are logged.
bool Form1::deleted(const std::string& path, const std::string& shown) {
    const bool was = system_.files.fileExists(path);
    if (!system_.files.deleteFile(path)) {
        stayed_.push_back(shown);
        report().step("Could not delete: " + path);
        return false;
    }
    if (was) report().step("Deleted: " + path);
    return true;
}

// While something stayed, the entry stays too: Add and Remove Programs keeps
// offering this uninstaller, and a second run completes.
void Form1::removeEntry() {
    if (!stayed_.empty()) return;
    const platform::KeyDeletion deletion = RemoveUninstallEntry(system_.registry, ProductName);
    if (!deletion) {
        stayed_.push_back("the entry in Add and Remove Programs (" + deletion.reason + ")");
        report().step("Could not remove the entry: " + deletion.reason);
    } else {
        report().step("Entry: " + uninstallKey(ProductName) + " is gone from HKEY_LOCAL_MACHINE.");
    }
}

// Anything in the folder but this program: the user's, so the folder stays.
bool Form1::holdsOtherFiles() {
    const auto names = system_.files.listFiles(Cale.text());
    if (!names) return false;
    const std::string self = system_.folders.programFile();
    return std::any_of(names->begin(), names->end(), [&](const std::string& name) {
        return !platform::samePath(system_.files, platform::joinPath(Cale.text(), name), self);
    });
}

// The folders the installations made, innermost first; only the install
// folder and those above it, never a drive's root. Without a record, the
// install folder alone (as installations before the record had it).
std::vector<std::string> Form1::foldersToRemoveAfterEnd() {
    if (!record_) return {Cale.text()};
    const std::string installFolder = platform::normalForm(system_.files, Cale.text()).value_or(Cale.text());
    std::vector<std::string> folders;
    for (const std::string& folder : record_->folders) {
        const auto normal = platform::normalForm(system_.files, folder);
        if (normal && !platform::isRootOnly(*normal) && platform::isSameOrInside(installFolder, *normal))
            folders.push_back(*normal);
    }
    std::sort(folders.begin(), folders.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    return folders;
}

// Shown at tick 100: what stayed, or after a complete run the removal of this
// program and its folders once "Done" ends it.
void Form1::showDone() {
    InstallTimer.setEnabled(false);
    if (stayed_.empty()) {
        DoneForm_.removeAfterEnd(system_.folders.programFile(), foldersToRemoveAfterEnd());
        if (holdsOtherFiles()) DoneForm_.noteFolderKept(Cale.text());
        report().succeeded(ProductName + " was uninstalled from " + Cale.text() + "; Uninstall.exe and the emptied "
                                         "folders go once it has ended.");
    } else {
        DoneForm_.showIncomplete(stayed_);
        report().failed(describeStayed(stayed_));
    }
    DoneForm_.load();
    // Nobody is there to press "Done" in a silent run.
    if (quiet_ != wizard::Quiet::Shown) DoneForm_.Command1.press();
    DoneForm_.show();
    hide();
}

} // namespace uninstall
