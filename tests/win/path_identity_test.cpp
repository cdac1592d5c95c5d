// The path module on the real file layer: an 8.3 short name and a hard link
// name the same file as its long name, and the normal form spells the short
// name out, also for a folder still to be made inside it.
#include "platform/path_compare.h"
#include "platform/paths.h"
#include "win32/system_files.h"
#include "win32/utf8_paths.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::wstring temporaryFolder() {
    wchar_t temp[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    return std::wstring(temp, n);
}

TEST(PathIdentity, ShortNamesAndHardLinksNameTheSameFile) {
    host::SystemFileSystem files;
    const std::wstring folder = temporaryFolder() + L"Corvane path identity folder " + std::to_wstring(GetCurrentProcessId());
    const std::wstring file = folder + L"\\Uninstall program.exe";
    const std::wstring link = folder + L"\\Linked.exe";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    HANDLE made = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(made, INVALID_HANDLE_VALUE);
    CloseHandle(made);
    const bool linked = CreateHardLinkW(link.c_str(), file.c_str(), nullptr);

    wchar_t shortName[MAX_PATH];
    ASSERT_NE(GetShortPathNameW(file.c_str(), shortName, MAX_PATH), 0u);
    const std::string longPath = host::narrowToUtf8(file);
    const std::string shortPath = host::narrowToUtf8(shortName);
    ASSERT_NE(shortPath, longPath) << "the system gave no short name";

    EXPECT_TRUE(platform::samePath(files, shortPath, longPath)) << shortPath;
    EXPECT_EQ(platform::normalForm(files, shortPath), longPath);
    const std::string shortFolder = platform::parentFolder(shortPath);
    EXPECT_EQ(platform::normalForm(files, shortFolder + "\\Not Made Yet\\"),
              host::narrowToUtf8(folder) + "\\Not Made Yet");
    EXPECT_FALSE(platform::samePath(files, shortFolder + "\\Other.exe", longPath));
    if (linked) {
        EXPECT_TRUE(platform::samePath(files, host::narrowToUtf8(link), longPath)) << "hard link";
    }

    DeleteFileW(link.c_str());
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace
