#pragma once
// Uninstall's wizard window: the wizard's welcome page and progress page,
// whose removal schedule runs over the ticks of InstallTimer (1 to 100). It removes the files the
// install record lists (or, with no record, the files the product ships), the
// product's settings, the desktop shortcut and the uninstall entry (or hands
// the entry back to another copy that remains), but only when the folder it
// runs from is this product's installation. Nothing else in the folder is
// touched, and an incomplete run keeps the entry.
//   Form1.cpp          the window, its design state, load and buttons
//   Form1Schedule.cpp  the timed removal steps
#include "InstallRecord/InstallRecord.h"
#include "Uninstall/Leftovers.h"
#include "Uninstall/UninstallDoneForm.h"
#include "UninstallEntry/UninstallEntry.h"
#include "Wizard/Switches.h"
#include "Wizard/WizardForm.h"

#include "forms/controls.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "platform/self_removal.h"
#include "platform/shortcuts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace uninstall {

struct UninstallPlatform {
    platform::Folders& folders;
    platform::FileSystem& files;
    platform::Registry& registry;
    platform::Shortcuts& shortcuts;
    platform::SelfRemoval& removal;
    platform::MessageBoxes& boxes;
};

class Form1 : public wizard::WizardForm {
public:
    Form1(const UninstallPlatform& system, DoneForm& doneForm);

    // Hidden state: the install folder and the desktop folder.
    forms::TextBox Cale{*this, "Cale"};
    forms::Label ShortcutToDelete{*this, "ShortcutToDelete"};

    // What could not be removed so far (file names, the link, the entry).
    const std::vector<Leftover>& stayed() const noexcept { return stayed_; }

private:
    static const wizard::ScheduleRow<Form1> kSchedule[];

    void Form_Load();
    void Form_Unload();
    void Command4_Click();
    void Cancel_Click();
    void InstallTimer_Timer();

    void refuseFolder();
    bool programClosed();
    // The files to delete: the recorded ones in the folder (or the names
    // the product ships) and the settings beside the program.
    std::vector<std::string> installedFiles();
    // The folder it runs from, in normal form.
    std::string installFolder();
    // Tick 5: the installed files, the settings and the record.
    void deleteFiles();
    void deleteInstalledFiles();
    void deleteAppDataSettings();
    void deleteRecord();
    // Deletes one file; when it stays, notes it under `name` with its cause
    // and returns false.
    bool deleteOrNote(const std::string& path, const std::string& name);
    bool holdsOtherFiles();
    std::vector<std::string> foldersToRemoveAfterEnd();
    void removeShortcut();
    bool linkStartsAnotherCopy(const std::string& link);
    void removeEntry();
    void handEntryBack(const entry::InstalledProduct& copy);
    bool entryNamesThisProgram();
    void showDone();
    // The hive of the entry: the record says whom the installation was for.
    platform::RegistryRoot hive() const noexcept;

    // A silent run (WizardForm::start) presses "Uninstall" and, at the end,
    // "Done" as a user would; a folder the guard refuses ends it.
    void passPages() override { Command4_Click(); }

    UninstallPlatform system_;
    DoneForm& DoneForm_;
    bool isInstallation_ = false;
    std::optional<record::InstallRecord> record_;  // read at load
    std::vector<Leftover> stayed_;
};

} // namespace uninstall
