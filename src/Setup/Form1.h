#pragma once
// The installer's window: a welcome page, the install-folder page and the
// progress page, whose 1 ms timer runs the install schedule over ticks 1 to
// 100 (make the folder, check the package, extract it through the hidden
// archive window, write the install record, add the uninstall entry), then
// the completion window. A failure or "Cancel" takes back what the run made.
//   Form1.cpp         the window, its load and buttons
//   Form1Folder.cpp   the checks on the install-folder page
//   Form1Install.cpp  the timed install steps and taking them back
#include "Unpacker/Dezarhivator.h"
#include "Setup/DoneForm.h"
#include "Setup/TakeBack.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "platform/shortcuts.h"

#include <set>
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
};

class Form1 : public forms::Form {
public:
    explicit Form1(SetupSystem system);

    std::string ProductName;
    short StepCounter = 0;

    // The hidden windows the installer loads.
    DoneForm doneForm;
    Dezarhivator dezarhivator;

    // The first thing that went wrong, in plain words; empty while all is well.
    const std::string& firstFailure() const noexcept { return firstFailure_; }

    // Declared before the pages: it shows through them at the bottom left.
    forms::Label Label2{*this, "Label2"};
    forms::Frame Frame1{*this, "Frame1"};
    forms::Label Titlu{*this, "Titlu", &Frame1};
    forms::Image Image1{*this, "Image1", &Frame1};
    forms::Image Image2{*this, "Image2", &Frame1};
    forms::Line HeaderLine{*this, "HeaderLine"};
    forms::Timer InstallTimer{*this, "InstallTimer", 1};

    forms::Frame Pas1{*this, "Pas1"};
    forms::Label WelcomeLabel{*this, "WelcomeLabel", &Pas1};
    forms::Label SetupLabel{*this, "SetupLabel", &Pas1};
    forms::Label SetupLabel2{*this, "SetupLabel2", &Pas1};
    forms::Label Label3{*this, "Label3", &Pas1};
    forms::Line Line1{*this, "Line1", &Pas1};
    forms::CommandButton Command4{*this, "Command4", &Pas1};
    forms::CommandButton Command5{*this, "Command5", &Pas1};

    forms::Frame Pas2{*this, "Pas2"};
    forms::Label Label5{*this, "Label5", &Pas2};
    forms::TextBox Cale{*this, "Cale", &Pas2};
    forms::Line Line2{*this, "Line2", &Pas2};
    forms::CommandButton Command7{*this, "Command7", &Pas2};
    forms::CommandButton Command6{*this, "Command6", &Pas2};

    forms::Frame Pas3{*this, "Pas3"};
    forms::Frame Frame2{*this, "Frame2", &Pas3};
    forms::Label Status{*this, "Status", &Frame2};
    forms::Image Bar{*this, "Bar", &Frame2};
    forms::Label Label1{*this, "Label1", &Pas3};
    forms::Line Line3{*this, "Line3", &Pas3};
    forms::CommandButton Command8{*this, "Command8", &Pas3};

private:
    void layOut();
    void Form_Load();
    void Command4_Click();
    void Command7_Click();
    void Cancel_Click();
    void InstallTimer_Timer();
    // Form1Folder.cpp: true when the install may go ahead into the folder
    // box's text, which is then in normal form.
    bool acceptFolder();
    bool askAboutOtherFiles(const std::string& folder);
    bool isProductInstallation(const std::string& folder);
    bool programClosed(const std::string& folder);
    void runScheduleRow();
    // The install folder's levels, made at tick 5.
    void makeInstallFolder();
    // False when the package cannot be installed (the schedule then stops).
    bool checkPackage();
    void noteFilesToCreate();
    bool writeInstallRecord();
    void addUninstallEntry();
    void entryExtracted(const std::string& name, const std::string& problem);
    // Stops everything, takes back what the run made and reports the reason
    // (and anything that could not be taken back) on the completion window.
    void fail(const std::string& reason);
    void stopTimers();
    void showCompletion();
    bool walkRunning() const;

    SetupSystem system_;
    std::string firstFailure_;
    std::vector<std::string> madeFolders_;  // by tick 5, outermost first
    std::set<std::string> programsWritten_;  // the main program and the uninstaller, once written
    std::vector<std::string> filesWritten_;  // every entry written, full paths
    TakeBack takeBack_;
};

} // namespace setup
