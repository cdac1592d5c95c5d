#pragma once
// The command line of Setup and Uninstall: the switches administrators know
// from other installers, in any case and any order.
//
//   Setup.exe     [/SILENT | /VERYSILENT] [/DIR="folder"] [/ALLUSERS | /CURRENTUSER] [/NOICONS]
//                 [/LOG="file"] [/LANG=en|ro] [/SUPPRESSMSGBOXES]
//   Uninstall.exe [/SILENT | /VERYSILENT] [/LOG="file"] [/LANG=en|ro] [/SUPPRESSMSGBOXES]
//
// and /HELP or /? for the list. Anything else refuses the whole command line.
#include "core/outcome.h"

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

// Who the installation is for: everyone (Program Files, HKEY_LOCAL_MACHINE,
// administrator rights) or the user alone (the user's own programs folder,
// HKEY_CURRENT_USER, no rights asked).
enum class InstallMode { AllUsers, CurrentUser };

struct Switches {
    Quiet quiet = Quiet::Shown;
    std::optional<std::string> dir;  // Setup only
    std::optional<InstallMode> mode;  // Setup only; the last of /ALLUSERS and /CURRENTUSER
    bool noIcons = false;            // Setup only
    std::optional<std::string> log;
    bool suppressMessageBoxes = false;
    bool help = false;
    // /ELEVATED, unlisted: this run is the copy a run without administrator
    // rights started with them, and never starts another.
    bool elevatedCopy = false;
};

// The switches read, and whether the line is accepted. A refused line keeps
// what it asked for besides, so that a refused silent run stays silent and
// still writes its log.
struct ParsedSwitches {
    Switches switches;
    rt::Outcome<> accepted;  // or what is wrong, naming the switch
    explicit operator bool() const noexcept { return accepted.ok(); }
};

// The arguments after the program's name, as Windows splits them (quotes
// already taken off).
ParsedSwitches parseSwitches(const std::vector<std::string>& args, Program program);

// Whom Setup installs for: the switch's choice; without one all users in
// the wizard (its default) and in a silent run with administrator rights,
// else the current user.
InstallMode chosenMode(const Switches& switches, bool elevated);

// The help box's text: the program's switches and the exit statuses.
std::string switchHelp(Program program);

} // namespace wizard
