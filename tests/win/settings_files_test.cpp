// The Windows file layer and folders, for real: the settings file written
// through a temporary file and renamed over the old one, read back through
// DataClass, in folders whose names are not plain ASCII.
#include "Lumetra/DataClass.h"
#include "line_list.h"
#include "Lumetra/SettingsLocation.h"
#include "platform/paths.h"
#include "win32/system_files.h"
#include "win32/system_folders.h"
#include "win32/utf8_paths.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

using Lines = LineList;

// A fresh folder under the system's temporary folder; "Setări" in its name
// keeps the UTF-8 to UTF-16 path honest.
struct TempFolder {
    std::string path;
    TempFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path = platform::joinPath(host::narrowToUtf8(base),
                                  "lumetra Set\xC4\x83ri " + std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(GetTickCount64()));
        CreateDirectoryW(host::widenUtf8(path).c_str(), nullptr);
    }
    ~TempFolder() {
        WIN32_FIND_DATAW found;
        const std::wstring folder = host::widenUtf8(path);
        HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileW((folder + L"\\" + found.cFileName).c_str());
            } while (FindNextFileW(h, &found));
            FindClose(h);
        }
        RemoveDirectoryW(folder.c_str());
    }
};

TEST(SystemFolders, ProgramFolderHoldsTheRunningProgramAndAppDataExists) {
    host::SystemFolders folders;
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::string program = folders.programFolder();
    EXPECT_EQ(platform::joinPath(program, "win.settings_files.exe"), host::narrowToUtf8(exe));
    const std::string appData = folders.userAppDataFolder();
    ASSERT_FALSE(appData.empty());
    const DWORD attributes = GetFileAttributesW(host::widenUtf8(appData).c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}

TEST(SystemFiles, SaveReplacesTheOldFileAndLoadsBack) {
    TempFolder folder;
    host::SystemFileSystem files;
    lumetra::DataClass data(files);
    const std::string settings = platform::joinPath(folder.path, "settings.ini");
    ASSERT_TRUE(files.writeFile(settings, "an older, longer file\r\nwith two lines\r\n"));

    Lines saved{{"-2800", "1", "12", "1830", "1245.5"}};
    ASSERT_TRUE(data.SalveazaData(settings, saved));
    EXPECT_EQ(files.readFile(settings).valueOr("(unreadable)"), "-2800\r\n1\r\n12\r\n1830\r\n1245.5\r\n");
    EXPECT_FALSE(files.fileExists(platform::temporaryPathFor(settings)));

    Lines loaded;
    data.IncarcaData(settings, loaded);
    EXPECT_EQ(loaded.lines, saved.lines);
}

TEST(SystemFiles, AFailedSaveLeavesTheOldFile) {
    TempFolder folder;
    host::SystemFileSystem files;
    lumetra::DataClass data(files);
    const std::string settings = platform::joinPath(folder.path, "settings.ini");
    ASSERT_TRUE(files.writeFile(settings, "old\r\n"));
    // Folders under every name the temporary file could take.
    for (int n = 0; n < platform::kTemporaryAttempts; ++n) ASSERT_TRUE(files.makeFolder(platform::temporaryPathFor(settings, n)));
    EXPECT_FALSE(data.SalveazaData(settings, Lines{{"new"}}));
    EXPECT_EQ(files.readFile(settings).valueOr("(unreadable)"), "old\r\n");
    for (int n = 0; n < platform::kTemporaryAttempts; ++n) RemoveDirectoryW(host::widenUtf8(platform::temporaryPathFor(settings, n)).c_str());

    EXPECT_FALSE(files.readFile(platform::joinPath(folder.path, "missing.ini")).ok());
    EXPECT_FALSE(files.fileExists(folder.path)) << "a folder is not a file";
}

// Folders of a program in `program` whose user's application data is `appData`.
struct Folders : platform::Folders {
    std::string program, appData;
    std::string programFolder() override { return program; }
    std::string programFile() override { return platform::joinPath(program, "Corvane Lumetra.exe"); }
    std::string windowsFolder() override { return {}; }
    std::string userAppDataFolder() override { return appData; }
    std::string programFilesFolder() override { return {}; }
    std::string userProgramsFolder() override { return {}; }
};

TEST(SystemFiles, SettingsFallBackWhenTheProgramFolderCannotBeWritten) {
    TempFolder root;
    host::SystemFileSystem files;
    // A program folder named after a file that is in the way: nothing can be
    // written "inside" it, as in a folder the user may not write.
    Folders folders;
    folders.program = platform::joinPath(root.path, "program");
    folders.appData = root.path;
    ASSERT_TRUE(files.writeFile(folders.program, "not a folder"));
    lumetra::SettingsLocation location(folders, files);
    lumetra::DataClass data(files);

    ASSERT_TRUE(location.save([&](const std::string& path) { return data.SalveazaData(path, Lines{{"-100"}}); }));
    const std::string expected = root.path + "\\Corvane Lumetra\\settings.ini";
    EXPECT_EQ(location.fileToLoad(), expected);
    EXPECT_EQ(files.readFile(expected).valueOr("(unreadable)"), "-100\r\n");
    DeleteFileW(host::widenUtf8(expected).c_str());
    RemoveDirectoryW(host::widenUtf8(root.path + "\\Corvane Lumetra").c_str());
}

// Wine would rename over a read-only file where Windows refuses: the save
// must leave it, flag and all, and go to the user's copy as for a folder
// that cannot be written.
TEST(SystemFiles, AReadOnlySettingsFileSendsTheSaveToApplicationData) {
    TempFolder root;
    host::SystemFileSystem files;
    Folders folders;
    folders.program = root.path;
    folders.appData = root.path;
    const std::string beside = platform::joinPath(root.path, "settings.ini");
    ASSERT_TRUE(files.writeFile(beside, "old\r\n"));
    ASSERT_TRUE(SetFileAttributesW(host::widenUtf8(beside).c_str(), FILE_ATTRIBUTE_READONLY));
    lumetra::SettingsLocation location(folders, files);
    lumetra::DataClass data(files);

    ASSERT_TRUE(location.save([&](const std::string& path) { return data.SalveazaData(path, Lines{{"-100"}}); }));
    const std::string copy = root.path + "\\Corvane Lumetra\\settings.ini";
    EXPECT_EQ(files.readFile(copy).valueOr("(unreadable)"), "-100\r\n");
    EXPECT_EQ(files.readFile(beside).valueOr("(unreadable)"), "old\r\n");
    EXPECT_TRUE(GetFileAttributesW(host::widenUtf8(beside).c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(files.fileExists(platform::temporaryPathFor(beside)));
    SetFileAttributesW(host::widenUtf8(beside).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(host::widenUtf8(copy).c_str());
    RemoveDirectoryW(host::widenUtf8(root.path + "\\Corvane Lumetra").c_str());
}

} // namespace
