// Where the settings file is loaded from and saved to: beside the program
// first, the user's application-data folder when the program's folder
// cannot be written.
#include "Lumetra/SettingsLocation.h"

#include "Lumetra/DataClass.h"
#include "fixed_folders.h"
#include "forms/form.h"
#include "forms/lists.h"
#include "memory_files.h"
#include "platform/paths.h"
#include "platform/standard_files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace {

using lumetra::DataClass;
using lumetra::SettingsLocation;

TEST(Paths, JoiningNeverDoublesTheSeparator) {
    struct Case {
        const char* folder;
        const char* name;
        const char* joined;
    };
    const Case cases[] = {
        {"/opt/lumetra", "settings.ini", "/opt/lumetra/settings.ini"},
        {"/", "settings.ini", "/settings.ini"},
        {"", "settings.ini", "settings.ini"},
        {"/home/u/.config", "Corvane Lumetra", "/home/u/.config/Corvane Lumetra"},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::joinPath(c.folder, c.name), c.joined) << c.folder;
    EXPECT_EQ(platform::parentFolder("/opt/lumetra/Corvane Lumetra.exe"), "/opt/lumetra");
    EXPECT_EQ(platform::parentFolder("settings.ini"), "");
}

struct Settings : ::testing::Test {
    fakes::FixedFolders folders{"/prog", "/appdata"};
    fakes::MemoryFiles files;
    SettingsLocation location{folders, files};
    const std::string beside = "/prog/settings.ini";
    const std::string fallbackFolder = "/appdata/Corvane Lumetra";
    const std::string fallback = "/appdata/Corvane Lumetra/settings.ini";

    Settings() { files.folders = {"/", "/prog", "/appdata"}; }
    bool saveText(const std::string& text) {
        return location.save([&](const std::string& path) { return platform::writeWholeFile(files, path, text).ok(); });
    }
};

TEST_F(Settings, TheTwoPlaces) {
    EXPECT_EQ(location.besideProgram(), beside);
    EXPECT_EQ(location.inAppData(), fallback);
}

TEST_F(Settings, LoadingTakesWhicheverFileWasWrittenLast) {
    // Write times as ticks of the fake clock; 0 means the file is missing.
    struct Case {
        std::int64_t beside, fallback;
        const char* expected;
    };
    const Case cases[] = {
        {1, 0, "/prog/settings.ini"},
        {0, 1, "/appdata/Corvane Lumetra/settings.ini"},
        {2, 1, "/prog/settings.ini"},
        {1, 2, "/appdata/Corvane Lumetra/settings.ini"},  // a stale file beside the program
        {1, 1, "/prog/settings.ini"},                     // a tie stays beside
        {0, 0, "/appdata/Corvane Lumetra/settings.ini"},  // loads nothing, harmlessly
    };
    for (const Case& c : cases) {
        files.files.clear();
        files.writtenAt.clear();
        if (c.beside) files.files[beside] = "1\r\n", files.writtenAt[beside] = c.beside;
        if (c.fallback) files.files[fallback] = "2\r\n", files.writtenAt[fallback] = c.fallback;
        EXPECT_EQ(location.fileToLoad(), c.expected) << c.beside << " " << c.fallback;
    }
}

// One elevated run left settings.ini beside the program in a folder the user
// cannot write; every later save goes to the user's copy, and every later
// start must read that copy, not the stale file.
TEST_F(Settings, AStaleFileBesideAReadOnlyProgramNeverHidesLaterSaves) {
    DataClass data{files};
    forms::Form form{"Form1"};
    ASSERT_TRUE(files.writeFile(beside, "-2800\r\n0\r\n21\r\n0\r\n0\r\n"));
    files.readOnlyFolders = {"/prog"};
    for (const char* volume : {"-1500", "-900"}) {
        forms::ListBox Setari{form, "Setari"};
        for (const char* v : {volume, "1", "7", "1830", "1245"}) Setari.AddItem(v);
        ASSERT_TRUE(location.save([&](const std::string& path) { return data.SalveazaData(path, Setari); }));

        forms::ListBox loaded{form, "loaded"};
        data.IncarcaData(location.fileToLoad(), loaded);
        ASSERT_EQ(loaded.ListCount(), 5);
        EXPECT_EQ(loaded.List(0), volume);
        EXPECT_EQ(loaded.List(1), "1");
    }
    EXPECT_EQ(files.files[beside].substr(0, 5), "-2800") << "the stale file itself is left alone";
}

TEST_F(Settings, SavingGoesBesideTheProgramWhenItCan) {
    EXPECT_TRUE(saveText("x\r\n"));
    EXPECT_EQ(files.files[beside], "x\r\n");
    EXPECT_EQ(files.folders.count(fallbackFolder), 0u) << "no application-data folder is made for nothing";
}

TEST_F(Settings, AReadOnlyProgramFolderSendsTheFileToApplicationData) {
    files.readOnlyFolders = {"/prog"};
    EXPECT_TRUE(saveText("x\r\n"));
    EXPECT_EQ(files.files.count(beside), 0u);
    EXPECT_EQ(files.files[fallback], "x\r\n");

    // The next save finds the folder already made.
    EXPECT_TRUE(saveText("y\r\n"));
    EXPECT_EQ(files.files[fallback], "y\r\n");
    EXPECT_EQ(location.fileToLoad(), fallback);
}

TEST_F(Settings, NowhereToWriteReportsFailure) {
    files.readOnlyFolders = {"/prog", "/appdata"};
    EXPECT_FALSE(saveText("x\r\n"));

    fakes::FixedFolders noAppData{"/prog"};
    SettingsLocation without{noAppData, files};
    EXPECT_EQ(without.inAppData(), "");
    EXPECT_EQ(without.fileToLoad(), beside);
    EXPECT_FALSE(without.save([&](const std::string& path) { return files.writeFile(path, "x").ok(); }));
}

TEST_F(Settings, ClosingUnderAReadOnlyFolderAndStartingAgainKeepsTheSettings) {
    files.readOnlyFolders = {"/prog"};
    DataClass data{files};
    forms::Form form{"Form1"};
    forms::ListBox Setari{form, "Setari"};
    for (const char* v : {"-1500", "0", "7", "1830", "1245"}) Setari.AddItem(v);
    ASSERT_TRUE(location.save([&](const std::string& path) { return data.SalveazaData(path, Setari); }));

    forms::ListBox loaded{form, "loaded"};
    data.IncarcaData(location.fileToLoad(), loaded);
    ASSERT_EQ(loaded.ListCount(), 5);
    EXPECT_EQ(loaded.List(0), "-1500");
    EXPECT_EQ(loaded.List(4), "1245");
}

// The same on a real disk; the folder is made read-only with its mode, which
// binds everybody but the superuser.
TEST(SettingsOnDisk, AReadOnlyProgramFolderSendsTheFileToApplicationData) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    TempFolder root;
    const std::string program = root / "program", appData = root / "appdata";
    std::filesystem::create_directory(program);
    std::filesystem::create_directory(appData);
    std::filesystem::permissions(program, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    fakes::FixedFolders folders{program, appData};
    platform::StandardFileSystem files;
    SettingsLocation location{folders, files};

    EXPECT_TRUE(location.save([&](const std::string& path) { return platform::writeWholeFile(files, path, "x\r\n").ok(); }));
    EXPECT_FALSE(std::filesystem::exists(program + "/settings.ini"));
    EXPECT_EQ(TempFolder::read(appData + "/Corvane Lumetra/settings.ini"), "x\r\n");
}

} // namespace
