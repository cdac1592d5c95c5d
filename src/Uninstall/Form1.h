#pragma once
// Uninstall's wizard window: a welcome page and a progress page whose steps
// are keyed to the ticks of InstallTimer (1 to 100). It removes the files the
// install record lists (or, with no record, the files the product ships), the
// product's settings, the desktop shortcut and the uninstall entry, but only
// when the folder it runs from is this product's installation. Nothing else
// in the folder is touched, and an incomplete run keeps the entry.
//   Form1.cpp          the window, its design state, load and buttons
//   Form1Schedule.cpp  the timed removal steps
#include "InstallRecord/InstallRecord.h"
#include "Uninstall/DoneForm.h"

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"
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

class Form1 : public forms::Form {
public:
    Form1(const UninstallPlatform& system, DoneForm& doneForm);

    std::string ProductName;
    std::int16_t StepCounter = 0;

    // Header strip, on every page.
    forms::Frame Frame1{*this, "Frame1"};
    forms::Image Image1{*this, "Image1", &Frame1};
    forms::Image Image2{*this, "Image2", &Frame1};
    forms::Label Titlu{*this, "Titlu", &Frame1};
    forms::Line HeaderLine{*this, "HeaderLine"};
    forms::Label Label2{*this, "Label2"};
    forms::Timer InstallTimer{*this, "InstallTimer", 1};
    // Hidden state: the install folder and the desktop folder.
    forms::TextBox Cale{*this, "Cale"};
    forms::Label ShortcutToDelete{*this, "ShortcutToDelete"};

    // Welcome page.
    forms::Frame Pas1{*this, "Pas1"};
    forms::Label WelcomeLabel{*this, "WelcomeLabel", &Pas1};
    forms::Label SetupLabel{*this, "SetupLabel", &Pas1};
    forms::Label SetupLabel2{*this, "SetupLabel2", &Pas1};
    forms::Label Label3{*this, "Label3", &Pas1};
    forms::Line Line1{*this, "Line1", &Pas1};
    forms::CommandButton Command4{*this, "Command4", &Pas1};
    forms::CommandButton Command5{*this, "Command5", &Pas1};

    // Progress page.
    forms::Frame Pas3{*this, "Pas3"};
    forms::Frame Frame2{*this, "Frame2", &Pas3};
    forms::Label Status{*this, "Status", &Frame2};
    forms::Image Bar{*this, "Bar", &Frame2};
    forms::Label Label1{*this, "Label1", &Pas3};
    forms::Line Line3{*this, "Line3", &Pas3};
    forms::CommandButton Command8{*this, "Command8", &Pas3};

    // Whether the load found the folder to be this product's installation.
    bool isInstallation() const noexcept { return isInstallation_; }
    // What could not be removed so far (file names, the link, the entry).
    const std::vector<std::string>& stayed() const noexcept { return stayed_; }

private:
    void layOut();
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
    void deleteInstalledFiles();
    void deleteAppDataSettings();
    void deleteRecord();
    bool holdsOtherFiles();
    std::vector<std::string> foldersToRemoveAfterEnd();
    void removeShortcut();
    void removeEntry();
    void showDone();

    UninstallPlatform system_;
    DoneForm& DoneForm_;
    bool isInstallation_ = false;
    std::optional<record::InstallRecord> record_;  // read at load
    std::vector<std::string> stayed_;
};

} // namespace uninstall
