// The command line of Setup and Uninstall: what each switch sets, in any
// case and order, and what refuses the whole line with the switch named.
#include "Wizard/Switches.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using wizard::Program;
using wizard::Quiet;

TEST(Switches, EachLineSetsWhatItSaysOrRefusesNamingTheSwitch) {
    const struct {
        std::vector<std::string> args;
        Program program;
        Quiet quiet;
        std::string dir, log;  // "" when not given
        bool noIcons, suppress, help;
        std::string refusal;  // words of the refusal; "" when accepted
    } cases[] = {
        {{}, Program::Setup, Quiet::Shown, "", "", false, false, false, ""},
        {{"/verysilent", "/Dir=C:\\Silent Test\\Corvane Lumetra", "/LOG=C:\\setup log.txt", "/noIcons",
          "/SuppressMsgBoxes"},
         Program::Setup, Quiet::VerySilent, "C:\\Silent Test\\Corvane Lumetra", "C:\\setup log.txt", true, true, false,
         ""},
        // The quieter wins, in either order.
        {{"/VERYSILENT", "/SILENT"}, Program::Setup, Quiet::VerySilent, "", "", false, false, false, ""},
        // /DIR="C:\X\" reaches the program as C:\X" (the backslash keeps the quote).
        {{"/DIR=C:\\X\\\""}, Program::Setup, Quiet::Shown, "C:\\X\\", "", false, false, false, ""},
        {{"/?"}, Program::Uninstall, Quiet::Shown, "", "", false, false, true, ""},
        // Refused, but what follows still counts: a silent run stays silent and logs.
        {{"/BOGUS", "/VERYSILENT", "/LOG=x.log"}, Program::Setup, Quiet::VerySilent, "", "x.log", false, false, false,
         "Unknown switch \"/BOGUS\"."},
        {{"/DIR=C:\\A", "/DIR"}, Program::Setup, Quiet::Shown, "C:\\A", "", false, false, false,
         "/DIR needs a folder: /DIR=\"folder\"."},
        {{"/LOG=\"\""}, Program::Setup, Quiet::Shown, "", "", false, false, false, "/LOG needs a file"},
        {{"/SILENT=yes"}, Program::Setup, Quiet::Shown, "", "", false, false, false, "/SILENT takes no value"},
        // A folder with spaces and no quotes comes apart.
        {{"/DIR=C:\\My", "Programs"}, Program::Setup, Quiet::Shown, "C:\\My", "", false, false, false,
         "\"Programs\" is not a switch (a folder or file with spaces goes in double quotes)."},
        // Uninstall has no folder or shortcut to choose.
        {{"/DIR=C:\\X"}, Program::Uninstall, Quiet::Shown, "", "", false, false, false, "Unknown switch \"/DIR=C:\\X\"."},
        {{"/NOICONS"}, Program::Uninstall, Quiet::Shown, "", "", false, false, false, "Unknown switch"},
        {{"-SILENT"}, Program::Setup, Quiet::Shown, "", "", false, false, false, "\"-SILENT\" is not a switch"},
        // The language in either case; any other value refuses the line.
        {{"/lang=RO"}, Program::Uninstall, Quiet::Shown, "", "", false, false, false, ""},
        {{"/LANG=de"}, Program::Setup, Quiet::Shown, "", "", false, false, false, "/LANG takes en or ro: \"/LANG=de\"."},
        {{"/LANG"}, Program::Uninstall, Quiet::Shown, "", "", false, false, false, "/LANG takes en or ro"},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const std::string& arg : c.args) line += arg + " ";
        SCOPED_TRACE(line);
        const wizard::ParsedSwitches parsed = wizard::parseSwitches(c.args, c.program);
        EXPECT_EQ(parsed.switches.quiet, c.quiet);
        EXPECT_EQ(parsed.switches.dir.value_or(""), c.dir);
        EXPECT_EQ(parsed.switches.log.value_or(""), c.log);
        EXPECT_EQ(parsed.switches.noIcons, c.noIcons);
        EXPECT_EQ(parsed.switches.suppressMessageBoxes, c.suppress);
        EXPECT_EQ(parsed.switches.help, c.help);
        EXPECT_EQ(static_cast<bool>(parsed), c.refusal.empty());
        EXPECT_EQ(parsed.accepted.reason().substr(0, c.refusal.size()), c.refusal) << parsed.accepted.reason();
    }
}

// Whom Setup installs for: the last switch, else all users in the wizard and
// in a silent run with administrator rights, else the current user.
TEST(Switches, TheModeFollowsTheLastSwitchThenTheRunAndTheRights) {
    using wizard::InstallMode;
    const struct {
        std::vector<std::string> args;
        bool elevated;
        InstallMode mode;
    } cases[] = {
        {{}, false, InstallMode::AllUsers},
        {{"/SILENT"}, true, InstallMode::AllUsers},
        {{"/VERYSILENT"}, false, InstallMode::CurrentUser},
        {{"/CURRENTUSER"}, true, InstallMode::CurrentUser},
        {{"/VERYSILENT", "/CURRENTUSER", "/allusers"}, false, InstallMode::AllUsers},
        {{"/ALLUSERS", "/currentuser"}, true, InstallMode::CurrentUser},
    };
    for (const auto& c : cases) {
        const wizard::ParsedSwitches parsed = wizard::parseSwitches(c.args, Program::Setup);
        ASSERT_TRUE(parsed) << parsed.accepted.reason();
        EXPECT_EQ(wizard::chosenMode(parsed.switches, c.elevated), c.mode) << c.args.size() << " switches";
    }
}

} // namespace
