// The removal schedule: one row per tick that does something, with its text
// on the progress page.
#include "Uninstall/UninstallForm1.h"

#include "Product.h"
#include "Uninstall/UninstallAddRemovePrograms.h"
#include "Uninstall/InstallFolderGuard.h"
#include "Uninstall/RemainingCopy.h"
#include "Uninstall/UninstallMakeShortcut.h"
#include "Uninstall/UninstallTexts.h"
#include "UninstallEntry/UninstallEntry.h"
#include "platform/path_compare.h"
#include "platform/paths.h"

#include <algorithm>
#include <unordered_set>

namespace uninstall {

const wizard::ScheduleRow<Form1> Form1::kSchedule[] = {
    {1, texts::kStepList},
    {5, texts::kStepFiles, &Form1::deleteFiles},
    {15, texts::kStepShortcuts, &Form1::removeShortcut},
    {80, texts::kStepUnregister},
    {90, texts::kStepEntry, &Form1::removeEntry},
    {wizard::kLastTick, texts::kStepDone},
};

void Form1::InstallTimer_Timer() { runTick(kSchedule, &Form1::showDone); }

void Form1::deleteFiles() {
    deleteInstalledFiles();
    deleteAppDataSettings();
    deleteRecord();
}

// The recorded files lying in the install folder, or without a record the
// programs the product ships; and the settings file beside the program. The
// record's lines are picked by their text and matched against one listing of
// the folder, so a record of any length costs a few calls: a file that is not
// there needs no deleting.
std::vector<std::string> Form1::installedFiles() {
    const std::string folder = installFolder();
    std::vector<std::string> paths;
    if (record_) {
        const rt::Outcome<std::vector<std::string>> names = system_.files.listFiles(folder);
        std::unordered_set<std::string> present;
        for (const std::string& name : names.valueOr({})) present.insert(record::pathKey(name));
        for (const std::string& file : record::within(*record_, folder).files)
            if (!names || present.count(record::pathKey(platform::fileNameOf(file)))) paths.push_back(file);
    } else {
        for (const char* name : {product::kMainProgram, product::kUninstaller})
            paths.push_back(platform::joinPath(folder, name));
    }
    paths.push_back(platform::joinPath(folder, product::kSettingsFile));
    return paths;
}

std::string Form1::installFolder() {
    return platform::normalForm(system_.files, Cale.text()).value_or(Cale.text());
}

// This program cannot delete itself while it runs; it goes after the end
// (DoneForm).
void Form1::deleteInstalledFiles() {
    const std::string self = system_.folders.programFile();
    for (const std::string& path : installedFiles()) {
        if (platform::samePath(system_.files, path, self)) continue;
        deleteOrNote(path, platform::fileNameOf(path));
    }
}

// The main program can only stay because it runs again (it was closed when
// the run began); other files say why through the file layer.
bool Form1::deleteOrNote(const std::string& path, const std::string& name) {
    const bool was = system_.files.fileExists(path);
    const rt::Outcome<> deleted = system_.files.deleteFile(path);
    if (deleted) {
        if (was) report().step("Deleted: " + path);  // only files that were there are logged
        return true;
    }
    report().step("Could not delete: " + path + " (" + deleted.reason() + ")");
    const bool mainProgram = platform::samePath(system_.files, path, platform::joinPath(Cale.text(), product::kMainProgram));
    if (mainProgram && system_.files.inUse(path)) stayed_.push_back({name, Leftover::Cause::Running, {}});
    else if (deleted.reason() == platform::kReadOnlyReason) stayed_.push_back({name, Leftover::Cause::ReadOnly, {}});
    else stayed_.push_back({name, Leftover::Cause::Other, deleted.reason()});
    return false;
}

// The record goes last, and only when everything it lists went: a second run
// then still knows what to delete. A file of that name that is not a record
// is the user's, and stays.
void Form1::deleteRecord() {
    if (!stayed_.empty() || !record_) return;
    const std::string path = record::pathIn(Cale.text());
    deleteOrNote(path, platform::fileNameOf(path));
}

// The main program keeps its settings in the user's application data when it
// cannot write beside itself; that copy goes too, and its folder when empty.
void Form1::deleteAppDataSettings() {
    const std::string appData = system_.folders.userAppDataFolder();
    if (appData.empty()) return;
    const std::string folder = platform::joinPath(appData, ProductName);
    const std::string settings = platform::joinPath(folder, product::kSettingsFile);
    if (!deleteOrNote(settings, settings)) return;
    (void)system_.files.removeEmptyFolder(folder);  // the user's own files there keep it
}

void Form1::removeShortcut() {
    ShortcutToDelete.setCaption(LocateShortcut(system_.shortcuts, "Desktop"));
    if (ShortcutToDelete.caption().empty()) return;
    const std::string link = platform::joinPath(ShortcutToDelete.caption(), ProductName + ".lnk");
    if (!linkStartsAnotherCopy(link)) deleteOrNote(link, link);
}

// A later install into another folder replaced the link with one to its own
// program: that link is the other copy's. One that cannot be read goes, as
// it always did.
bool Form1::linkStartsAnotherCopy(const std::string& link) {
    const auto target = system_.shortcuts.linkTarget(link);
    return target && !platform::samePath(system_.files, *target, platform::joinPath(Cale.text(), product::kMainProgram));
}

// While something stayed, the entry stays too: Add and Remove Programs keeps
// offering this uninstaller, and a second run completes. An entry that names
// another copy's uninstaller (a later install into another folder took it
// over) belongs to that copy: it stays, and that is no failure. The entry
// that names this program goes back to a copy it took over that remains.
void Form1::removeEntry() {
    if (!stayed_.empty()) return;
    if (!entryNamesThisProgram()) {
        report().step("Entry: " + entry::uninstallKey(ProductName) + " names another copy and is left to it.");
        return;
    }
    if (const auto copy = record_ ? remainingCopy(system_.files, ProductName, record_->replaced) : std::nullopt) {
        handEntryBack(*copy);
        return;
    }
    const rt::Outcome<platform::KeyGone> deleted = RemoveUninstallEntry(system_.registry, ProductName, hive());
    if (!deleted) {
        stayed_.push_back({wizard::say(texts::kTheEntry), Leftover::Cause::Other, deleted.reason()});
        report().step("Could not remove the entry: " + deleted.reason());
    } else {
        report().step("Entry: " + entry::uninstallKey(ProductName) + " is gone from " +
                      entry::rootAndView(system_.registry, hive()) + ".");
    }
}

// Every value is written again, so nothing of this copy stays in the entry.
// A refusal is a leftover, as a failed deletion is.
void Form1::handEntryBack(const entry::InstalledProduct& copy) {
    const rt::Outcome<> written =
        entry::AddUninstallEntry(system_.registry, ProductName, entry::uninstallEntryValues(copy), hive());
    if (written) {
        report().step("Entry: " + entry::uninstallKey(ProductName) + " now names " + copy.folder + ".");
        return;
    }
    const std::string reason = wizard::say(texts::kNotHandedBack, {copy.folder});
    stayed_.push_back({wizard::say(texts::kTheEntry), Leftover::Cause::Other, reason});
    report().step("Could not hand the entry back: " + reason + " (" + written.reason() + ").");
}

bool Form1::entryNamesThisProgram() {
    const auto command = system_.registry.readString(hive(), entry::uninstallKey(ProductName), "UninstallString");
    return command && platform::samePath(system_.files, platform::commandPath(*command), system_.folders.programFile());
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
    std::vector<std::string> folders = record::within(*record_, installFolder()).folders;
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
        DoneForm_.reportTo(report());
        if (holdsOtherFiles()) DoneForm_.noteFolderKept(Cale.text());
        report().succeeded(ProductName + " was uninstalled from " + Cale.text() + "; Uninstall.exe and the emptied "
                                         "folders go once it has ended.");
    } else {
        DoneForm_.showIncomplete(stayed_);
        report().failed(describeLeftovers(stayed_, ProductName));
    }
    DoneForm_.load();
    // Nobody is there to press "Done" in a silent run.
    if (quiet_ != wizard::Quiet::Shown) DoneForm_.Command1.press();
    DoneForm_.show();
    hide();
}

} // namespace uninstall
