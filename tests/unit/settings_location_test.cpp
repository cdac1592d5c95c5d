// Where the settings file is loaded from and saved to: beside the program
// first, the user's application-data folder when the program's folder
// cannot be written.
#include "SettingsLocation.h"

#include "DataClass.h"
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
        return location.save([&](const std::string& path) { return platform::writeFileAtomically(files, path, text); });
    }
};

TEST_F(Settings, TheTwoPlaces) {
    EXPECT_EQ(location.besideProgram(), beside);
    EXPECT_EQ(location.inAppData(), fallback);
}

TEST_F(Settings, LoadingPrefersTheFileBesideTheProgram) {
    struct Case {
        bool besideExists, fallbackExists;
        const char* expected;
    };
    const Case cases[] = {
        {true, true, "/prog/settings.ini"},
        {true, false, "/prog/settings.ini"},
        {false, true, "/appdata/Corvane Lumetra/settings.ini"},
        {false, false, "/appdata/Corvane Lumetra/settings.ini"},  // loads nothing, harmlessly
    };
    for (const Case& c : cases) {
        files.files.clear();
        if (c.besideExists) files.files[beside] = "1\r\n";
        if (c.fallbackExists) files.files[fallback] = "2\r\n";
        EXPECT_EQ(location.fileToLoad(), c.expected) << c.besideExists << c.fallbackExists;
    }
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
    EXPECT_FALSE(without.save([&](const std::string& path) { return files.writeFile(path, "x"); }));
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

    EXPECT_TRUE(location.save([&](const std::string& path) { return platform::writeFileAtomically(files, path, "x\r\n"); }));
    EXPECT_FALSE(std::filesystem::exists(program + "/settings.ini"));
    EXPECT_EQ(TempFolder::read(appData + "/Corvane Lumetra/settings.ini"), "x\r\n");
}

} // namespace
