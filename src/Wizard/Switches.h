#pragma once
// The command line of Setup and Uninstall: the switches administrators know
// from other installers, in any case and any order.
//
//   Setup.exe     [/SILENT | /VERYSILENT] [/DIR="folder"] [/NOICONS] [/LOG="file"] [/SUPPRESSMSGBOXES]
//   Uninstall.exe [/SILENT | /VERYSILENT] [/LOG="file"] [/SUPPRESSMSGBOXES]
//
// and /HELP or /? for the list. Anything else refuses the whole command line.
#include <optional>
#include <string>
#include <vector>

namespace wizard {

// What the process ends with, for the scripts that run it.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitCancelled = 2;  // also: the command line was refused

enum class Program { Setup, Uninstall };

// How much of the wizard shows: all of it, only the progress page, nothing.
enum class Quiet { Shown, Silent, VerySilent };

struct Switches {
    Quiet quiet = Quiet::Shown;
    std::optional<std::string> dir;  // Setup only
    bool noIcons = false;            // Setup only
    std::optional<std::string> log;
    bool suppressMessageBoxes = false;
    bool help = false;
};

struct ParsedSwitches {
    Switches switches;
    std::string refusal;  // what is wrong, naming the switch; empty when accepted
    explicit operator bool() const noexcept { return refusal.empty(); }
};

// The arguments after the program's name, as Windows splits them (quotes
// already taken off).
ParsedSwitches parseSwitches(const std::vector<std::string>& args, Program program);

// The help box's text: the program's switches and the exit statuses.
std::string switchHelp(Program program);

} // namespace wizard
