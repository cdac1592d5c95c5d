#pragma once
// What Setup's and Uninstall's main share: the process and the real system
// objects, the command line read once, and the run from its start (the help,
// a refused command line, the log) to the exit status the report gives.
// Each main adds only what it wires of its own.
#include "Wizard/QuietBoxes.h"
#include "Wizard/RunReport.h"
#include "Wizard/RunStart.h"
#include "Wizard/Switches.h"
#include "Wizard/WizardForm.h"
#include "win32/host.h"
#include "win32/shell_links.h"
#include "win32/system_files.h"
#include "win32/system_folders.h"
#include "win32/system_message_boxes.h"
#include "win32/system_registry.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace wizard {

struct WizardSystem {
    // Sets up the process, then reads the command line: the language of
    // the texts and the switches.
    explicit WizardSystem(Program program);

    // Runs a copy of this program with administrator rights and the same
    // command line, `extra` added, marked so that the copy never asks once
    // more, and waits for it: its exit status, or nothing when it did not
    // start (the user said no).
    std::optional<int> runElevatedCopy(const std::vector<std::string>& extra = {}) const;

    host::Application app;
    host::SystemFolders folders;
    host::SystemFileSystem files;
    host::SystemRegistry registry;
    host::ShellLinks shortcuts;
    host::SystemMessageBoxes shownBoxes;
    Program program;
    std::vector<std::string> args;
    ParsedSwitches parsed;
};

class WizardRun {
public:
    // Starts the run's report: the help, a refused command line and the log
    // (held until the report releases it when `holdLog`); `needs` is what
    // the run is known to touch, which no log may name.
    WizardRun(WizardSystem& system, std::string title, RunFiles needs, bool holdLog = false);

    // The exit status when the run ended before any window opened (the help
    // shown, the command line refused).
    const std::optional<int>& endedAtStart() const noexcept { return endedAtStart_; }
    // The message boxes of the run, as its switches allow them.
    platform::MessageBoxes& boxes() noexcept { return boxes_; }

    // Loads the wizard and its hidden windows and starts it as the switches
    // ask, until the program ends; the report is finished then, however it
    // ends, and its status is the exit status.
    int run(WizardForm& form, std::initializer_list<forms::Form*> hidden);

private:
    WizardSystem& system_;
    RunReport report_;
    std::optional<int> endedAtStart_;
    QuietBoxes boxes_;
};

} // namespace wizard
