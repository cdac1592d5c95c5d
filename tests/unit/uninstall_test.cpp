// Uninstall's wizard on fakes and the manual clock: the load, the removal
// schedule, the guard against a folder that is not an installation, files
// that cannot be deleted, "Cancel" midway, and the completion window.
#include "Uninstall/DoneForm.h"
#include "Uninstall/Form1.h"
#include "Uninstall/InstallFolderGuard.h"
#include "fake_registry.h"
#include "fake_shortcuts.h"
#include "fixed_folders.h"
#include "memory_files.h"

#include "Product.h"
#include "forms/manual_clock.h"
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using platform::joinPath;
using platform::RegistryRoot;

struct RecordingRemoval : platform::SelfRemoval {
    std::vector<std::pair<std::string, std::string>> calls;
    bool removeAfterExit(const std::string& programFile, const std::string& folder) override {
        calls.emplace_back(programFile, folder);
        return true;
    }
};

const std::string kFolder = "/pf/Corvane Lumetra";
const std::string kDesktop = "/home/Desktop";
const std::string kAppData = "/home/AppData";
const std::string kKey = std::string(product::kUninstallKeyParent) + product::kName;

// An installation as Setup leaves it, with settings saved in both places, the
// product's desktop link and another link of the user's.
class Uninstaller : public ::testing::Test {
protected:
    Uninstaller() {
        files.folders = {"/pf", kFolder, kDesktop, kAppData, kAppData + "/Corvane Lumetra"};
        for (const char* name : {"Corvane Lumetra.exe", "Uninstall.exe", "settings.ini"}) {
            files.files[joinPath(kFolder, name)] = name;
        }
        files.files[joinPath(kAppData + "/Corvane Lumetra", "settings.ini")] = "-100";
        files.files[joinPath(kDesktop, "Corvane Lumetra.lnk")] = "link";
        files.files[joinPath(kDesktop, "My Lumetra.lnk")] = "link";
        shortcuts.folders["Desktop"] = kDesktop;
        registry.keys[{RegistryRoot::LocalMachine, kKey}] = {
            {"DisplayName", product::kName}, {"UninstallString", "\"" + joinPath(kFolder, "Uninstall.exe") + "\""}};
        forms::setEndHandler([this] { ++ended; });
    }
    ~Uninstaller() override { forms::setEndHandler(nullptr); }

    void open() {
        form.load();
        form.show();
        clock.attach(form);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) ASSERT_TRUE(clock.step());
    }
    void pressOrEnd(forms::CommandButton& button) {
        try {
            button.press();
        } catch (const forms::ProgramEnded&) {
        }
    }
    bool has(const std::string& path) const { return files.files.count(path) != 0; }
    bool hasEntry() const { return registry.keys.count({RegistryRoot::LocalMachine, kKey}) != 0; }

    fakes::FixedFolders folders{kFolder, kAppData};
    fakes::MemoryFiles files;
    fakes::FakeRegistry registry;
    fakes::FakeShortcuts shortcuts;
    RecordingRemoval removal;
    uninstall::DoneForm done{removal};
    uninstall::Form1 form{{folders, files, registry, shortcuts, removal}, done};
    forms::ManualClock clock;
    int ended = 0;
};

TEST_F(Uninstaller, LoadSetsTheCaptionsAndShowsTheWelcomePage) {
    open();
    const std::vector<std::pair<std::string, std::string>> captions = {
        {form.caption(), "Corvane Uninstaller"},
        {form.Titlu.caption(), "Setup Corvane Lumetra"},
        {form.WelcomeLabel.caption(), "You are about to uninstall Corvane Lumetra."},
        {form.SetupLabel.caption(), "This program allows you to uninstall Corvane Lumetra from your hard drive."},
        {form.SetupLabel2.caption(), "If you don't want to uninstall Corvane Lumetra on your computer, plase click "
                                     "Cancel now, otherwise click Uninstall to continue."},
        {form.Label3.caption(), "Click Uninstall to begin."},
        {form.Status.caption(), "Begin installation, please wait..."},
        {form.Cale.text(), kFolder},
        {done.caption(), "Install complete!"},
        {done.Label1.caption(), "Uninstall complete!"},
        {done.ThankYouLabel.caption(), "The Corvane Lumetra was succesfuly uninstalled!"},
        {done.Label2.caption(), "You can find more on our website: www.corvanesoft.example"},
        {done.ShortcutName.caption(), "Corvane Lumetra"},
    };
    for (const auto& [actual, expected] : captions) EXPECT_EQ(actual, expected);
    EXPECT_TRUE(form.isInstallation());
    EXPECT_TRUE(form.Pas1.visible());
    EXPECT_FALSE(form.Pas3.visible());
    EXPECT_FALSE(form.Cale.visible());
    EXPECT_FALSE(form.InstallTimer.enabled());
    EXPECT_TRUE(done.loaded());
    EXPECT_FALSE(done.visible());
    EXPECT_TRUE(form.Command4.isDefault());
    EXPECT_TRUE(form.Command5.isCancel() && form.Command8.isCancel());
    EXPECT_TRUE(done.Command1.isDefault() && done.Command1.isCancel()) << "Enter and Esc mean Done";
}

TEST_F(Uninstaller, TheScheduleRemovesEverythingAndClosingRemovesTheProgramAfterItsEnd) {
    open();
    form.Command4.press();
    EXPECT_FALSE(form.Pas1.visible());
    EXPECT_TRUE(form.Pas3.visible());

    struct Row {
        int tick;
        const char* status;
    };
    const Row rows[] = {{1, "Get list..."},
                        {4, "Get list..."},
                        {5, "Delete files..."},
                        {15, "Remove shortcuts"},
                        {80, "Unregister variabiles..."},
                        {90, "Remove from Add and Remove Programs..."},
                        {99, "Remove from Add and Remove Programs..."},
                        {100, "Done!..."}};
    int tick = 0;
    for (const Row& row : rows) {
        ticks(row.tick - tick);
        tick = row.tick;
        EXPECT_EQ(form.StepCounter, row.tick);
        EXPECT_EQ(form.Status.caption(), row.status) << "tick " << row.tick;
        EXPECT_EQ(form.Bar.width(), 60 + 60 * row.tick) << "tick " << row.tick;
        EXPECT_EQ(has(joinPath(kFolder, "Corvane Lumetra.exe")), row.tick < 5);
        EXPECT_EQ(has(joinPath(kDesktop, "Corvane Lumetra.lnk")), row.tick < 15);
        EXPECT_EQ(hasEntry(), row.tick < 90);
    }
    EXPECT_FALSE(clock.step()) << "the timer stops at tick 100";

    // Only this program stays in the folder; the settings in both places,
    // their emptied folder and the product's link are gone, the user's link stays.
    EXPECT_FALSE(has(joinPath(kFolder, "settings.ini")));
    EXPECT_TRUE(has(joinPath(kFolder, "Uninstall.exe")));
    EXPECT_EQ(files.folders.count(kAppData + "/Corvane Lumetra"), 0u);
    EXPECT_TRUE(has(joinPath(kDesktop, "My Lumetra.lnk")));
    EXPECT_EQ(shortcuts.saved.size(), 0u);
    EXPECT_EQ(form.ShortcutToDelete.caption(), kDesktop);

    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(done.visible());
    EXPECT_EQ(done.caption(), "Install complete!");
    EXPECT_TRUE(removal.calls.empty()) << "nothing goes before the program ends";
    // The close box does what "Done" does.
    try {
        done.unload();
    } catch (const forms::ProgramEnded&) {
    }
    EXPECT_EQ(ended, 1);
    ASSERT_EQ(removal.calls.size(), 1u);
    EXPECT_EQ(removal.calls[0], std::make_pair(joinPath(kFolder, "Uninstall.exe"), kFolder));
}

TEST_F(Uninstaller, FilesThatCannotBeDeletedAreNamedAndKeepTheProgramAndFolder) {
    files.undeletable = {joinPath(kFolder, "Corvane Lumetra.exe")};
    files.files[joinPath(kFolder, "readme.txt")] = "";
    open();
    form.Command4.press();
    ticks(100);

    EXPECT_TRUE(has(joinPath(kFolder, "Corvane Lumetra.exe")));
    EXPECT_FALSE(has(joinPath(kFolder, "readme.txt")));
    EXPECT_FALSE(has(joinPath(kFolder, "settings.ini")));
    EXPECT_FALSE(has(joinPath(kDesktop, "Corvane Lumetra.lnk")));
    EXPECT_FALSE(hasEntry());
    EXPECT_EQ(done.caption(), "Uninstall incomplete");
    EXPECT_EQ(done.Label1.caption(), "Uninstall incomplete");
    EXPECT_EQ(done.ThankYouLabel.caption(),
              "Could not remove: Corvane Lumetra.exe. Close Corvane Lumetra and run Uninstall again.");
    pressOrEnd(done.Command1);
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(removal.calls.empty()) << "Uninstall.exe stays to be run again";

    // The entry is gone now, but the main program still lies there: a second
    // run is allowed.
    uninstall::DoneForm again{removal};
    uninstall::Form1 second{{folders, files, registry, shortcuts, removal}, again};
    second.load();
    EXPECT_TRUE(second.isInstallation());
}

TEST_F(Uninstaller, ManyThingsThatStayedAreCountedWithTheFirstNamed) {
    EXPECT_EQ(uninstall::describeStayed({"a", "b", "c", "d", "e"}), "Could not remove 5 items, among them: a, b, c.");
    EXPECT_EQ(uninstall::describeStayed({"a", "b"}), "Could not remove: a, b.");
}

TEST_F(Uninstaller, CancelAfterTheFilesLeavesShortcutAndEntry) {
    open();
    form.Command4.press();
    ticks(10);
    pressOrEnd(form.Command8);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(has(joinPath(kFolder, "Corvane Lumetra.exe")));
    EXPECT_TRUE(has(joinPath(kDesktop, "Corvane Lumetra.lnk")));
    EXPECT_TRUE(hasEntry());
    EXPECT_TRUE(removal.calls.empty());
}

TEST_F(Uninstaller, AMissingShortcutAndEntryAreNoFailure) {
    files.files.erase(joinPath(kDesktop, "Corvane Lumetra.lnk"));
    files.files.erase(joinPath(kAppData + "/Corvane Lumetra", "settings.ini"));
    files.files[joinPath(kAppData + "/Corvane Lumetra", "notes.txt")] = "the user's";
    registry.keys.clear();  // an earlier run removed it; the main program is still there
    open();
    ASSERT_TRUE(form.isInstallation());
    form.Command4.press();
    ticks(100);
    EXPECT_EQ(done.caption(), "Install complete!");
    EXPECT_EQ(done.Label1.caption(), "Uninstall complete!");
    EXPECT_TRUE(has(joinPath(kAppData + "/Corvane Lumetra", "notes.txt")));
}

TEST_F(Uninstaller, AnEntryThatCannotBeDeletedIsReported) {
    registry.writable = false;
    open();
    form.Command4.press();
    ticks(100);
    EXPECT_EQ(done.caption(), "Uninstall incomplete");
    EXPECT_NE(done.ThankYouLabel.caption().find("the entry in Add and Remove Programs"), std::string::npos);
}

TEST_F(Uninstaller, AFolderThatIsNotAnInstallationDeletesNothingAndSaysWhy) {
    const std::string downloads = "/home/Downloads";
    files.folders.insert(downloads);
    files.files[joinPath(downloads, "Uninstall.exe")] = "copy";
    files.files[joinPath(downloads, "letter.doc")] = "the user's";
    folders.setProgramFolder(downloads);
    const auto before = files.files;
    open();

    EXPECT_FALSE(form.isInstallation());
    EXPECT_EQ(form.WelcomeLabel.caption(), "This folder is not an installation of Corvane Lumetra.");
    EXPECT_EQ(form.SetupLabel.caption(), "Uninstall was started from /home/Downloads.");
    EXPECT_EQ(form.SetupLabel2.caption(), "Nothing will be removed.");
    EXPECT_FALSE(form.Command4.enabled());
    EXPECT_TRUE(form.Command5.isDefault());
    form.Command4.press();
    EXPECT_FALSE(form.Pas3.visible());
    EXPECT_FALSE(clock.step());
    EXPECT_EQ(files.files, before);
    EXPECT_TRUE(hasEntry());
}

TEST(InstallFolderGuard, AcceptsOnlyThisProductsInstallation) {
    const std::string folder = "C:\\Program Files\\Corvane Lumetra";
    const std::string self = folder + "\\Uninstall.exe";
    struct Case {
        const char* what;
        std::string folder, programFile;
        std::optional<std::string> entry;
        bool mainProgram;
        bool expected;
    };
    const Case cases[] = {
        {"entry names this program", folder, self, "\"" + self + "\"", false, true},
        {"entry unquoted, other case and slashes", folder, self, "c:/PROGRAM FILES/corvane lumetra/uninstall.exe ",
         false, true},
        {"entry names another path", "D:\\Downloads", "D:\\Downloads\\Uninstall.exe", "\"" + self + "\"", true, false},
        {"no entry, main program present", folder, self, std::nullopt, true, true},
        {"no entry, unrelated folder", "C:\\Users\\me\\Desktop", "C:\\Users\\me\\Desktop\\Uninstall.exe",
         std::nullopt, false, false},
        {"drive root named by the entry", "C:\\", "C:\\Uninstall.exe", "C:\\Uninstall.exe", true, false},
        {"network share root", "\\\\server\\share", "\\\\server\\share\\Uninstall.exe", std::nullopt, true, false},
        {"the Windows folder", "C:\\Windows", "C:\\Windows\\Uninstall.exe", std::nullopt, true, false},
        {"inside the Windows folder", "C:\\WINDOWS\\System32", "C:\\WINDOWS\\System32\\Uninstall.exe",
         "C:\\WINDOWS\\System32\\Uninstall.exe", true, false},
        {"a folder named like the Windows folder", "C:\\Windows Apps", "C:\\Windows Apps\\Uninstall.exe",
         std::nullopt, true, true},
    };
    for (const Case& c : cases) {
        uninstall::FolderFacts facts{c.folder, c.programFile, "C:\\Windows", c.entry, c.mainProgram};
        EXPECT_EQ(uninstall::isInstallFolder(facts), c.expected) << c.what;
    }
}

} // namespace
