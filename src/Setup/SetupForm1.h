#pragma once
// The installer's window: the wizard's welcome page, the install-folder page
// and the wizard's progress page, whose 1 ms timer runs the install schedule
// over ticks 1 to 100 (make the folder, check the package, extract it through
// the hidden archive window, write the install record, add the uninstall
// entry), then the completion window. A failure or "Cancel" takes back what
// the run made.
//   Form1.cpp         the window, its load and buttons
//   Form1Folder.cpp   the install-folder page: Browse, the space line, the checks
//   Form1Install.cpp  the timed install steps and taking them back
//   Form1Start.cpp    a run as the command line asks for it
#include "Unpacker/Dezarhivator.h"
#include "Setup/SetupDoneForm.h"
#include "Setup/TakeBack.h"
#include "Wizard/Switches.h"
#include "Wizard/WizardForm.h"
#include "forms/controls.h"
#include "platform/files.h"
#include "platform/folder_picker.h"
#include "platform/folders.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "platform/shortcuts.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace setup {

// What the installer reaches of the system.
struct SetupSystem {
    platform::Folders& folders;
    platform::FileSystem& files;
    platform::Registry& registry;
    platform::Shortcuts& shortcuts;
    platform::MessageBoxes& boxes;
    platform::FolderPicker& picker;
    // Whether Setup runs with administrator rights: a silent run without
    // /ALLUSERS or /CURRENTUSER installs for all users only then.
    bool elevated = true;
    // Runs a copy of Setup with administrator rights for all users, into the
    // given folder, and waits for it: its exit status, or nothing when it
    // did not start (the user said no). Empty in a copy so started.
    std::function<std::optional<int>(const std::string& folder)> runElevatedCopy;
};

// A file or folder named as the install record in the folder that is not a
// record: the user's own, never to be replaced nor deleted.
bool isUserRecord(platform::FileSystem& files, const std::string& folder);

class Form1 : public wizard::WizardForm {
public:
    explicit Form1(SetupSystem system);

    // The hidden windows the installer loads.
    DoneForm doneForm;
    Dezarhivator dezarhivator;

    // Whom the installation is for; all users until a switch says otherwise.
    wizard::InstallMode mode() const noexcept { return mode_; }
    void setMode(wizard::InstallMode mode);

    // The install-folder page, between the wizard's two.
    forms::Frame Pas2{*this, "Pas2"};
    // Above the folder box: whom the installation is for.
    forms::OptionButton ForAllUsers{*this, "ForAllUsers", &Pas2};
    forms::OptionButton ForMeOnly{*this, "ForMeOnly", &Pas2};
    forms::Label Label5{*this, "Label5", &Pas2};
    forms::TextBox Cale{*this, "Cale", &Pas2};
    // "Browse...", beside the box: the system's folder picker.
    forms::CommandButton Command9{*this, "Command9", &Pas2};
    // Under the box: the free space the installation needs.
    forms::Label Label6{*this, "Label6", &Pas2};
    forms::Line Line2{*this, "Line2", &Pas2};
    forms::CommandButton Command7{*this, "Command7", &Pas2};
    forms::CommandButton Command6{*this, "Command6", &Pas2};

private:
    static const wizard::ScheduleRow<Form1> kSchedule[];

    void layOutFolderPage();
    // "For all users" without administrator rights: true when the page must
    // stay (no copy with them went on with the run; the user was told).
    bool lacksRights();
    // The hive of the mode's uninstall entry.
    platform::RegistryRoot hive() const noexcept;
    // The folder the page proposes for the mode: its installation, if there
    // is one, or the mode's programs folder.
    std::string proposedFolder();
    void Form_Load();
    void Command4_Click();
    void Command7_Click();
    void Cancel_Click();
    void InstallTimer_Timer();
    // Form1Folder.cpp: true when the install may go ahead into the folder
    // box's text, which is then in normal form.
    bool acceptFolder();
    bool logKept(const std::string& folder);
    bool userRecordKept(const std::string& folder);
    bool enoughSpace(const std::string& folder);
    // Reads the package's size and says on the page how much room it needs.
    void showSpaceNeeded();
    void Command9_Click();
    bool askAboutOtherFiles(const std::string& folder);
    bool isProductInstallation(const std::string& folder);
    bool programClosed(const std::string& folder);
    // The schedule's actions. The install folder's levels, made at tick 5.
    void makeInstallFolder();
    // Points the archive window at the package and the folder, and checks
    // the package; a package that cannot be installed stops the schedule.
    void checkPackage();
    void startExtraction();
    void noteFilesToCreate();
    // The install record, then the uninstall entry when the record was written.
    void registerInstallation();
    bool writeInstallRecord();
    void addUninstallEntry();
    // Tick 100: the install is complete, nothing is taken back any more.
    void completeInstall();
    void entryExtracted(const std::string& name, const rt::Outcome<>& written);
    // Stops everything, takes back what the run made and reports the reason
    // (and anything that could not be taken back) on the completion window.
    void fail(const std::string& reason);
    void stopTimers();
    void showCompletion();
    bool walkRunning() const;

    // The start (WizardForm::start) takes the mode, the folder and the
    // shortcut from the switches; a silent run presses "Next >" on the
    // welcome and folder pages, and "Done" at the end.
    void takeSwitches(const wizard::Switches& switches) override;
    void startedShown(const wizard::Switches& switches) override;
    void passPages() override;

    SetupSystem system_;
    wizard::InstallMode mode_ = wizard::InstallMode::AllUsers;
    std::string firstFailure_;
    std::optional<std::int64_t> spaceNeeded_;  // the package's bytes, read at load
    std::vector<std::string> madeFolders_;  // by tick 5, outermost first
    std::vector<std::string> programsWritten_;  // the main program and the uninstaller, once written
    std::vector<std::string> filesWritten_;  // every entry written, full paths
    TakeBack takeBack_;
};

} // namespace setup
