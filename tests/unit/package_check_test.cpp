// The installer's package check over packages whose programs are not
// programs: each is refused, naming the entry, and real-looking ones pass.
#include "Setup/PackageCheck.h"
#include "archive_test_support.h"
#include "memory_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using namespace archive_test;

namespace {

const std::vector<std::string> kPrograms = {"Corvane Lumetra.exe", "Uninstall.exe"};

// An MZ header whose e_lfanew field says `peAt`, padded to `size` bytes, with
// "PE\0\0" at `signatureAt` (where it fits).
std::string mzImage(std::uint32_t peAt, std::size_t size, std::size_t signatureAt) {
    std::string s(size, 'x');
    s.replace(0, 2, "MZ");
    for (int i = 0; i < 4; ++i) s[0x3C + i] = static_cast<char>(peAt >> (8 * i));
    if (signatureAt + 4 <= size) s.replace(signatureAt, 4, std::string("PE\0\0", 4));
    return s;
}

TEST(PackageCheck, ProgramsMustBeWindowsProgramsAndTheReportNamesTheEntry) {
    const std::string main = programBytes(500, 1);
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> entries;
        std::optional<std::string> says;  // nothing: the package passes
    };
    const auto withUninstaller = [&](std::string bytes) {
        return std::vector<std::pair<std::string, std::string>>{{"Corvane Lumetra.exe", main}, {"Uninstall.exe", bytes}};
    };
    const Case cases[] = {
        {"empty", withUninstaller(""), "Uninstall.exe in the package * is not a Windows program: it is empty."},
        {"a script", withUninstaller("#!/bin/sh\necho hi\n"), "Uninstall.exe * it does not start with MZ."},
        {"MZ and nothing more", withUninstaller("MZ"), "Uninstall.exe * it is too short for an MZ header."},
        {"e_lfanew past the end", withUninstaller(mzImage(0x40, 0x40, 0x40)), "Uninstall.exe * points past its end."},
        {"e_lfanew far past any file", withUninstaller(mzImage(0xFFFFFFFC, 0x80, 0x40)), "Uninstall.exe * points past its end."},
        {"PE signature elsewhere", withUninstaller(mzImage(0x40, 0x100, 0x80)),
         "Uninstall.exe * there is no PE header where its MZ header says."},
        {"signature in the last four bytes", withUninstaller(mzImage(0x7C, 0x80, 0x7C)), std::nullopt},
        {"the main program empty", {{"Corvane Lumetra.exe", ""}, {"Uninstall.exe", main}},
         "Corvane Lumetra.exe in the package * it is empty."},
        // Extraction takes the first of two entries with one name.
        {"an empty first of two", {{"Corvane Lumetra.exe", main}, {"Uninstall.exe", ""}, {"Uninstall.exe", main}},
         "Uninstall.exe * it is empty."},
    };
    fakes::MemoryFiles files;
    MemoryFolder dir{files};
    const std::string package = dir / "Data.set";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes;
        for (const auto& [name, data] : c.entries) bytes += entryBytes(name, data);
        dir.write("Data.set", bytes);
        const rt::Outcome<> installable = setup::packageInstallable(files, package, kPrograms);
        ASSERT_EQ(!installable, c.says.has_value()) << (installable ? "passed" : installable.reason());
        if (!c.says) continue;
        // "*" stands for the package's path, or whatever words lie between.
        const std::size_t star = c.says->find('*');
        EXPECT_TRUE(installable.reason().starts_with(c.says->substr(0, star))) << installable.reason();
        EXPECT_TRUE(installable.reason().ends_with(c.says->substr(star + 1))) << installable.reason();
    }
}

} // namespace
