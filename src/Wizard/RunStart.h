#pragma once
// What Setup's and Uninstall's main do with the command line before any
// window opens: the help box, a refused command line (exit status 2, and
// nothing else happens), the log. Without switches none of it shows.
#include "Wizard/LogTarget.h"
#include "Wizard/RunReport.h"
#include "Wizard/Switches.h"
#include "platform/files.h"
#include "platform/message_boxes.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wizard {

struct RunStartFacts {
    Program program;
    std::string title;  // the wizard's caption, for the boxes
    std::vector<std::string> args;
    // Where a refusal goes in a silent run: the console that started it, if any.
    std::function<void(const std::string&)> toStandardError;
    // What the run is known at its start to touch: a log naming any of it is
    // refused before anything is written.
    RunFiles needs = {};
    // The log stays untouched until the report releases it (RunReport::holdLog).
    bool holdLog = false;
};

// Checks and opens (or holds) the log when asked, and settles the help and a refused command line.
// Nothing when the wizard is to run; otherwise the exit status to end with.
std::optional<int> startRun(const RunStartFacts& facts, const ParsedSwitches& parsed, platform::FileSystem& files,
                            platform::MessageBoxes& shown, RunReport& report);

} // namespace wizard
