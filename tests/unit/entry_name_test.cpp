// Which entry names may be written into a folder.
#include "Package/entry_name.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryName, OnlyPlainFileNamesAreSafe) {
    struct Case {
        std::string name;
        bool safe;
    };
    const Case cases[] = {
        {"Corvane Lumetra.exe", true},
        {"Uninstall.exe", true},
        {"a", true},
        {".hidden", true},
        {"a..b", true},
        {"console.txt", true},
        {"COM10", true},
        {"COM\xE2\x81\xB4", true},  // superscript four names no device
        {"CONSOLE", true},
        {"naïve.txt", true},
        {std::string(255, 'n'), true},
        {"", false},
        {".", false},
        {"..", false},
        {"..\\evil.exe", false},
        {"../evil.exe", false},
        {"sub\\file", false},
        {"sub/file", false},
        {"C:evil", false},
        {"\\\\server\\share", false},
        {"file:stream", false},
        {"tab\there", false},
        {"new\nline", false},
        {std::string("del\x7f"), false},
        {"ends with dot.", false},
        {"ends with space ", false},
        {"CON", false},
        {"con", false},
        {"Con.txt", false},
        {"NUL.tar.gz", false},
        {"PRN", false},
        {"aux.dat", false},
        {"COM1", false},
        {"com9.log", false},
        {"LPT1", false},
        {"lpt9.txt", false},
        {"COM0", false},
        {"LPT0.txt", false},
        {"COM\xC2\xB9", false},      // superscript one
        {"lpt\xC2\xB2.log", false},  // superscript two
        {"Com\xC2\xB3", false},      // superscript three
        {"CON .txt", false},
        {"what?.txt", false},
        {"star*.txt", false},
        {"pipe|", false},
        {"<angle>", false},
        {"quote\"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(package::checkEntryName(c.name).ok(), c.safe) << "[" << c.name << "]";
}

TEST(EntryName, JoinedPathMustLieDirectlyInTheFolder) {
    EXPECT_EQ(package::entryPathIn("C:\\Program Files\\X", "a.exe"), "C:\\Program Files\\X\\a.exe");
    EXPECT_EQ(package::entryPathIn("C:\\", "a.exe"), "C:\\a.exe");
    EXPECT_TRUE(package::liesDirectlyIn("C:\\X\\a.exe", "C:\\X"));
    EXPECT_TRUE(package::liesDirectlyIn("C:\\X\\a.exe", "C:\\X\\"));
    EXPECT_TRUE(package::liesDirectlyIn("/tmp/x/a", "/tmp/x"));
    EXPECT_FALSE(package::liesDirectlyIn("C:\\X\\sub\\a.exe", "C:\\X"));
    EXPECT_FALSE(package::liesDirectlyIn("C:\\X\\..", "C:\\X"));
    EXPECT_FALSE(package::liesDirectlyIn("C:\\Y\\a.exe", "C:\\X"));
    EXPECT_FALSE(package::liesDirectlyIn("C:\\X\\", "C:\\X"));
}

} // namespace
