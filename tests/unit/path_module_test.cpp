// The path module's tables: normal forms, the refusals of a typed install
// folder, and comparison. Built natively (the text answers) and for Windows,
// where the same tables run under Wine through the system's full-path
// function: the two must agree.
#include "platform/folder_check.h"
#include "platform/path_compare.h"
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using platform::files;

const std::optional<std::string> kNotFull;

TEST(PathModule, NormalForms) {
    const struct {
        std::string path;
        std::optional<std::string> normal;
    } cases[] = {
        {"C:\\Program Files\\Corvane Lumetra\\", "C:\\Program Files\\Corvane Lumetra"},
        {"C:\\Program Files\\\\Corvane Lumetra\\\\\\", "C:\\Program Files\\Corvane Lumetra"},
        {"C:/Program Files/Corvane Lumetra", "C:\\Program Files\\Corvane Lumetra"},
        {"C:\\Corvane/mixed\\separators//x", "C:\\Corvane\\mixed\\separators\\x"},
        {"C:\\a\\.\\b\\..\\c\\.", "C:\\a\\c"},
        {"C:\\a\\..\\..\\..\\b", "C:\\b"},  // never above the root
        {"C:\\a\\b. . ", "C:\\a\\b"},       // trailing dots and spaces of the last name
        {"C:\\a.\\b", "C:\\a\\b"},          // one trailing dot of a folder name
        {"C:\\a..\\b", "C:\\a.\\b"},
        {"c:\\MiXeD Case", "c:\\MiXeD Case"},  // case is kept, only compared without it
        {"C:\\", "C:\\"},
        {"C:\\.", "C:\\"},
        {"\\\\server\\share\\apps\\", "\\\\server\\share\\apps"},
        {"//server/share/../x", "\\\\server\\share\\x"},
        {"Corvane Lumetra", kNotFull},
        {"..\\Corvane Lumetra", kNotFull},
        {"C:Corvane", kNotFull},
        {"\\Corvane", kNotFull},
        {"\\\\server", kNotFull},
        {"\\\\.\\C:\\x", kNotFull},
        {"", kNotFull},
#ifndef _WIN32
        {"/tmp/x/../y/", "/tmp/y"},
#endif
    };
    for (const auto& c : cases) EXPECT_EQ(platform::normalForm(files(), c.path), c.normal) << "[" << c.path << "]";
}

TEST(PathModule, TheInstallFolderCheckRefusesOrGivesTheNormalForm) {
    const std::string longName(255, 'n');
    const std::string twoByteName = [] {
        std::string name;
        for (int i = 0; i < 200; ++i) name += "\xC8\x99";  // 200 characters in 400 bytes
        return name;
    }();
    const std::string surrogateName = [] {
        std::string name;
        for (int i = 0; i < 128; ++i) name += "\xF0\x9F\x8E\xB5";  // 128 characters in 256 UTF-16 units
        return name;
    }();
    const struct {
        std::string typed;
        std::string normal;   // when accepted
        const char* problem;  // words of the refusal, when refused
    } cases[] = {
        {"C:\\Program Files\\Corvane Lumetra", "C:\\Program Files\\Corvane Lumetra", nullptr},
        {"  \"C:\\Tools\\Lumetra\\\"  ", "C:\\Tools\\Lumetra", nullptr},
        {"D:\\Apps\\Corvane Lumetra. ", "D:\\Apps\\Corvane Lumetra", nullptr},
        {"\\\\server\\share\\apps", "\\\\server\\share\\apps", nullptr},
        {"C:\\Windows Apps\\Lumetra", "C:\\Windows Apps\\Lumetra", nullptr},
        {"C:\\Corvane\\" + longName, "C:\\Corvane\\" + longName, nullptr},
        {"C:\\Corvane\\" + twoByteName, "C:\\Corvane\\" + twoByteName, nullptr},
        {"C:\\Corvane\\COM10\\CONSOLE", "C:\\Corvane\\COM10\\CONSOLE", nullptr},
        {"", "", "no folder was given"},
        {"   ", "", "no folder was given"},
        {"Corvane Lumetra", "", "relative path"},
        {"..\\Corvane Lumetra", "", "relative path"},
        {"C:Corvane", "", "relative path"},
        {"\\Corvane", "", "names no drive"},
        {"\\\\server", "", "names no drive"},
        {"\\\\server\\", "", "names no drive"},
        {"C:\\a<b", "", "\"<\""},
        {"C:\\a>b", "", "\">\""},
        {"C:\\a:b", "", "\":\""},
        {"C:\\a\"b", "", "\"\"\""},
        {"C:\\a|b", "", "\"|\""},
        {"C:\\a?b", "", "\"?\""},
        {"C:\\a*b", "", "\"*\""},
        {"C:\\a\tb", "", "control character"},
        {"C:\\Corvane\\CON", "", "\"CON\" is a name Windows keeps"},
        {"C:\\con.txt\\Lumetra", "", "keeps for a device"},
        {"C:\\Corvane\\Nul .log", "", "keeps for a device"},
        {"C:\\Corvane\\com1", "", "keeps for a device"},
        {"C:\\Corvane\\LPT0", "", "keeps for a device"},
        {"C:\\Corvane\\COM\xC2\xB9", "", "keeps for a device"},
        {"C:\\Corvane\\lpt\xC2\xB3.dat", "", "keeps for a device"},
        {"C:\\Corvane\\" + longName + "n", "", "longer than 255 characters"},
        {"C:\\Corvane\\" + surrogateName, "", "longer than 255 characters"},
        {"C:\\Corvane \\Lumetra", "", "ends in a space or a dot"},
        {"C:\\Corvane..\\Lumetra", "", "ends in a space or a dot"},
        {"C:\\", "", "root of a drive"},
        {"D:/", "", "root of a drive"},
        {"C:\\Corvane\\..", "", "root of a drive"},
        {"\\\\server\\share\\", "", "root of a drive"},
        {"C:\\Windows", "", "Windows folder"},
        {"c:\\WINDOWS\\System32\\Lumetra\\", "", "Windows folder"},
    };
    for (const auto& c : cases) {
        const rt::Outcome<std::string> check = platform::checkInstallFolder(files(), c.typed, "C:\\Windows");
        if (!c.problem) {
            ASSERT_TRUE(check) << "[" << c.typed << "] " << check.reason();
            EXPECT_EQ(*check, c.normal);
            continue;
        }
        ASSERT_FALSE(check) << "[" << c.typed << "] accepted as " << *check;
        EXPECT_NE(check.reason().find(c.problem), std::string::npos) << "[" << c.typed << "] " << check.reason();
    }
}

TEST(PathModule, PathsAreComparedAsWindowsComparesThem) {
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {"C:\\X\\Uninstall.exe", "c:/x//uninstall.EXE", true},
        {"C:\\TB Test\\Lumetra\\\\Uninstall.exe", "C:\\TB Test\\Lumetra\\Uninstall.exe", true},
        {"C:\\X\\Y\\..\\Uninstall.exe", "C:\\X\\.\\Uninstall.exe", true},
        {"C:\\X\\Uninstall.exe. ", "C:\\X\\Uninstall.exe", true},
        {"\\\\server\\share\\X", "//SERVER/share/x/", true},
        {"C:\\X\\A.exe", "C:\\X\\B.exe", false},
        {"C:\\X\\Uninstall.exe", "D:\\X\\Uninstall.exe", false},
        {"C:\\X", "C:\\X\\Y", false},
        {"Uninstall.exe", "Uninstall.exe", false},  // relative: never a match
    };
    for (const auto& c : cases) EXPECT_EQ(platform::samePath(files(), c.a, c.b), c.same) << c.a << " / " << c.b;
}

} // namespace
