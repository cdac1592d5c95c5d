// Uninstall's wizard on fakes and the manual clock: the load, the removal
// schedule from the install record, the guard against a folder that is not an
// installation, a user's file in the folder, files that cannot be deleted,
// a running program, "Cancel" midway, the entry handed back to another copy,
// the completion window, and a very silent run with its log and exit status.
#include "Uninstall/UninstallDoneForm.h"
#include "Uninstall/UninstallForm1.h"
#include "Uninstall/InstallFolderGuard.h"
#include "InstallRecord/InstallRecord.h"
#include "UninstallEntry/UninstallEntry.h"
#include "counting_files.h"
#include "fake_registry.h"
#include "fake_shortcuts.h"
#include "fixed_folders.h"
#include "memory_files.h"
#include "scripted_message_boxes.h"
#include "Wizard/RunReport.h"

#include "Product.h"
#include "support/manual_clock.h"
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace {

using platform::joinPath;
using platform::RegistryRoot;

using Folders = std::vector<std::string>;

struct RecordingRemoval : platform::SelfRemoval {
    std::vector<std::pair<std::string, Folders>> calls;
    rt::Outcome<> answer;
    rt::Outcome<> removeAfterExit(const std::string& programFile, const Folders& folders) override {
        calls.emplace_back(programFile, folders);
        return answer;
    }
};

const std::string kParent = "/pf";
const std::string kFolder = "/pf/Corvane Lumetra";
const std::string kRecord = "/pf/Corvane Lumetra/Install record.txt";
const std::string kDesktop = "/home/Desktop";
const std::string kAppData = "/home/AppData";
const std::string kKey = std::string(product::kUninstallKeyParent) + product::kName;

// An installation as Setup leaves it (which made the folder and its parent),
// with settings saved in both places, the product's desktop link and another
// link of the user's.
class Uninstaller : public ::testing::Test {
protected:
    Uninstaller() {
        install();
        form.addObserver(&ending);
        done.addObserver(&ending);
    }
    ~Uninstaller() override {
        form.removeObserver(&ending);
        done.removeObserver(&ending);
    }

    void install() {
        files = {};
        files.folders = {"/", kParent, kFolder, kDesktop, kAppData, kAppData + "/Corvane Lumetra"};
        for (const char* name : {"Corvane Lumetra.exe", "Uninstall.exe", "settings.ini", "readme.txt"}) {
            files.files[joinPath(kFolder, name)] = name;
        }
        files.files[kRecord] = "Corvane Lumetra install record 1\r\nfolder\t/pf\r\nfolder\t/pf/Corvane Lumetra\r\n"
                               "file\t/pf/Corvane Lumetra/Corvane Lumetra.exe\r\nfile\t/pf/Corvane Lumetra/Uninstall.exe\r\n"
                               "file\t/pf/Corvane Lumetra/readme.txt\r\n";
        files.files[joinPath(kAppData + "/Corvane Lumetra", "settings.ini")] = "-100";
        files.files[joinPath(kDesktop, "Corvane Lumetra.lnk")] = "link";
        files.files[joinPath(kDesktop, "My Lumetra.lnk")] = "link";
        shortcuts.folders["Desktop"] = kDesktop;
        registry.keys[{RegistryRoot::LocalMachine, kKey}] = {
            {"DisplayName", product::kName}, {"UninstallString", "\"" + joinPath(kFolder, "Uninstall.exe") + "\""}};
    }

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
    // A second uninstaller over the files as they are now, as a new start
    // would be: "Uninstall" pressed, then `afterPress`, then every tick.
    struct Run {
        uninstall::DoneForm done;
        uninstall::Form1 form;
        Run(uninstall::UninstallPlatform system) : done(system.removal), form(system, done) {}
    };
    std::unique_ptr<Run> runToEnd(const std::function<void()>& afterPress = {}) {
        auto run = std::make_unique<Run>(uninstall::UninstallPlatform{folders, files, registry, shortcuts, removal, boxes});
        run->form.load();
        run->form.Command4.press();
        if (afterPress) afterPress();
        forms::ManualClock runClock;
        runClock.attach(run->form);
        for (int i = 0; i < 100; ++i) runClock.step();
        return run;
    }
    // Loads and starts the uninstaller as "Uninstall.exe /VERYSILENT /LOG=..."
    // does, until it ends; the log it wrote.
    std::string runVerySilently() {
        files.folders.insert("/logs");
        wizard::RunReport report;
        EXPECT_EQ(report.openLog(files, "/logs/uninstall.log").reason(), "");
        wizard::Switches switches;
        switches.quiet = wizard::Quiet::VerySilent;
        form.reportTo(report);
        form.load();
        clock.attach(form);
        EXPECT_THROW(
            {
                form.start(switches);
                while (clock.step()) {}
            },
            forms::ProgramEnded);
        report.finish();
        status = report.status();
        EXPECT_FALSE(form.visible());
        EXPECT_FALSE(done.visible());
        return files.files["/logs/uninstall.log"];
    }
    bool has(const std::string& path) const { return files.files.count(path) != 0; }
    bool hasEntry() const { return registry.keys.count({RegistryRoot::LocalMachine, kKey}) != 0; }

    fakes::FixedFolders folders{kFolder, kAppData};
    fakes::MemoryFiles files;
    fakes::FakeRegistry registry;
    fakes::FakeShortcuts shortcuts;
    RecordingRemoval removal;
    fakes::ScriptedMessageBoxes boxes;
    uninstall::DoneForm done{removal};
    uninstall::Form1 form{{folders, files, registry, shortcuts, removal, boxes}, done};
    forms::ManualClock clock;
    int ended = 0;
    // Counts the program's ends, as the host would end it.
    struct EndCounter : forms::FormObserver {
        int& ended;
        explicit EndCounter(int& count) : ended(count) {}
        void formChanged(forms::Form&, forms::Prop) override {}
        void controlChanged(forms::Control&, forms::Prop) override {}
        void programEnding(forms::Form&) override { ++ended; }
    } ending{ended};
    int status = -1;
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
    EXPECT_TRUE(form.Command4.enabled());
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

    // Only this program stays in the folder (the record is gone too); the
    // settings in both places, their emptied folder and the product's link
    // are gone, the user's link stays.
    EXPECT_EQ(*files.listFiles(kFolder), std::vector<std::string>{"Uninstall.exe"});
    EXPECT_EQ(files.folders.count(kAppData + "/Corvane Lumetra"), 0u);
    EXPECT_TRUE(has(joinPath(kDesktop, "My Lumetra.lnk")));
    EXPECT_EQ(shortcuts.saved.size(), 0u);
    EXPECT_EQ(form.ShortcutToDelete.caption(), kDesktop);

    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(done.visible());
    EXPECT_EQ(done.caption(), "Install complete!");
    EXPECT_EQ(done.ThankYouLabel.caption(), "The Corvane Lumetra was succesfuly uninstalled!");
    EXPECT_TRUE(removal.calls.empty()) << "nothing goes before the program ends";
    // The close box does what "Done" does.
    try {
        done.unload();
    } catch (const forms::ProgramEnded&) {
    }
    EXPECT_EQ(ended, 1);
    ASSERT_EQ(removal.calls.size(), 1u);
    // The folders the installation made, innermost first.
    EXPECT_EQ(removal.calls[0], std::make_pair(joinPath(kFolder, "Uninstall.exe"), Folders{kFolder, kParent}));
}

TEST_F(Uninstaller, AnIncompleteRunKeepsTheEntryAndRecordAndASecondRunCompletes) {
    const std::string program = joinPath(kFolder, "Corvane Lumetra.exe");
    files.undeletable = {program};
    open();
    form.Command4.press();
    files.runningFor[program] = 1;  // started again once the run began
    ticks(100);

    EXPECT_TRUE(has(joinPath(kFolder, "Corvane Lumetra.exe")));
    EXPECT_FALSE(has(joinPath(kFolder, "readme.txt")));
    EXPECT_FALSE(has(joinPath(kFolder, "settings.ini")));
    EXPECT_FALSE(has(joinPath(kDesktop, "Corvane Lumetra.lnk")));
    EXPECT_TRUE(has(kRecord)) << "a second run still knows what to delete";
    EXPECT_TRUE(hasEntry()) << "Add and Remove Programs still offers the uninstaller";
    EXPECT_EQ(done.caption(), "Uninstall incomplete");
    EXPECT_EQ(done.Label1.caption(), "Uninstall incomplete");
    EXPECT_EQ(done.ThankYouLabel.caption(),
              "Could not remove: Corvane Lumetra.exe. Close Corvane Lumetra and run Uninstall again.");
    pressOrEnd(done.Command1);
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(removal.calls.empty()) << "Uninstall.exe stays to be run again";

    // The program is closed now: the second run completes.
    files.undeletable.clear();
    uninstall::DoneForm again{removal};
    uninstall::Form1 second{{folders, files, registry, shortcuts, removal, boxes}, again};
    second.load();
    ASSERT_TRUE(second.Command4.enabled());
    second.Command4.press();
    clock.attach(second);
    ticks(100);
    EXPECT_EQ(again.caption(), "Install complete!");
    EXPECT_FALSE(hasEntry());
    EXPECT_EQ(*files.listFiles(kFolder), std::vector<std::string>{"Uninstall.exe"});
}

// Nothing but what the installation wrote goes: a user's file stays, and so
// does the folder, which the completion window explains. Without a record
// only the names the product ships go.
TEST_F(Uninstaller, AUsersFileAndItsFolderStay) {
    for (const bool withRecord : {true, false}) {
        SCOPED_TRACE(withRecord ? "with the record" : "without a record");
        install();
        files.files[joinPath(kFolder, "letter.txt")] = "the user's";
        if (!withRecord) files.files.erase(kRecord);
        removal.calls.clear();
        const auto run = runToEnd();
        uninstall::DoneForm& doneHere = run->done;

        const std::vector<std::string> stay = withRecord ? std::vector<std::string>{"Uninstall.exe", "letter.txt"}
                                                         : std::vector<std::string>{"Uninstall.exe", "letter.txt", "readme.txt"};
        EXPECT_EQ(*files.listFiles(kFolder), stay);
        EXPECT_EQ(doneHere.caption(), "Install complete!");
        EXPECT_EQ(doneHere.ThankYouLabel.caption(), "The Corvane Lumetra was succesfuly uninstalled! The folder " +
                                                        kFolder + " was kept because it holds other files.");
        EXPECT_FALSE(hasEntry());
        pressOrEnd(doneHere.Command1);
        ASSERT_EQ(removal.calls.size(), 1u);
        const Folders expected = withRecord ? Folders{kFolder, kParent} : Folders{kFolder};
        EXPECT_EQ(removal.calls[0].second, expected);
    }
}

TEST_F(Uninstaller, ARunningProgramIsAskedAboutBeforeAnythingIsDeleted) {
    using platform::Answer;
    const std::string program = joinPath(kFolder, "Corvane Lumetra.exe");
    files.runningFor[program] = 1;
    boxes.answers = {Answer::Cancel};
    open();
    const auto before = files.files;
    pressOrEnd(form.Command4);
    EXPECT_EQ(ended, 1);
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "Corvane Lumetra is running. Close it, then press Retry. Cancel stops the uninstall.");
    EXPECT_EQ(boxes.asked[0].buttons, platform::Buttons::RetryCancel);
    EXPECT_FALSE(clock.step());
    EXPECT_EQ(files.files, before);

    // Closed while the question was up: Retry goes on.
    files.runningFor[program] = 1;
    boxes.answers = {Answer::Retry};
    form.Command4.press();
    EXPECT_TRUE(form.Pas3.visible());
    ticks(100);
    EXPECT_FALSE(has(program));
}

// The advice fits the cause: only a program that runs is to be closed; a
// read-only file is named as such; anything else gets the system's reason.
TEST_F(Uninstaller, TheAdviceFollowsWhyAFileStayed) {
    const std::string program = joinPath(kFolder, "Corvane Lumetra.exe");
    const std::string settings = joinPath(kFolder, "settings.ini");
    const struct {
        const char* what;
        std::string file;
        bool readOnly, running;
        std::string says;
    } cases[] = {
        {"the program runs again", program, false, true,
         "Could not remove: Corvane Lumetra.exe. Close Corvane Lumetra and run Uninstall again."},
        {"a read-only settings file", settings, true, false,
         "Could not remove settings.ini: it is read-only. Clear the read-only attribute and run Uninstall again."},
        {"the program, not running", program, false, false, "Could not remove Corvane Lumetra.exe: Access is denied."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        install();
        (c.readOnly ? files.readOnlyFiles : files.undeletable) = {c.file};
        const auto run = runToEnd([&] {
            if (c.running) files.runningFor[c.file] = 1;
        });
        uninstall::DoneForm& doneHere = run->done;
        EXPECT_EQ(doneHere.caption(), "Uninstall incomplete");
        EXPECT_EQ(doneHere.ThankYouLabel.caption(), c.says);
        EXPECT_TRUE(has(c.file));
        EXPECT_TRUE(hasEntry());
    }
    using Cause = uninstall::Leftover::Cause;
    EXPECT_EQ(uninstall::describeLeftovers({{"a", Cause::ReadOnly, ""}, {"b", Cause::ReadOnly, ""}, {"c", Cause::Other, "Busy."},
                                            {"d", Cause::Other, "x"}, {"e", Cause::Other, "y"}, {"f", Cause::Other, "z"},
                                            {"g", Cause::Other, "w"}},
                                           "P"),
              "Could not remove a, b: they are read-only. Clear the read-only attribute and run Uninstall again. "
              "Could not remove c: Busy. Could not remove d: x. Could not remove e: y. Could not remove 2 more items.");
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
    ASSERT_TRUE(form.Command4.enabled());
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

// This copy took the entry over from copies elsewhere (its record says
// which, the latest first): the entry goes back to the first still installed,
// with the values Setup writes and the size of its files still there, and
// goes only when none is left.
TEST_F(Uninstaller, TheEntryGoesBackToACopyThatRemains) {
    const std::string ea = "/other/EA", eb = "/other/EB";
    const struct {
        const char* what;
        bool eaInstalled, ebInstalled;
        std::string namesFolder;  // "" when the entry goes
    } cases[] = {
        {"the latest replaced copy is gone, an earlier one remains", true, false, ea},
        {"every replaced copy is gone", false, false, ""},
        {"both remain: the latest gets it", true, true, eb},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        install();
        files.files[kRecord] += "replaces\t" + eb + "\r\nreplaces\t" + ea + "\r\n";
        for (const auto& [folder, installed] : {std::pair{ea, c.eaInstalled}, std::pair{eb, c.ebInstalled}}) {
            files.folders.insert(folder);
            // Uninstalled, a copy leaves a stray file and no uninstaller.
            files.files[joinPath(folder, installed ? "Uninstall.exe" : "stray.txt")] = std::string(1500, 'u');
            files.files[joinPath(folder, "Corvane Lumetra.exe")] = std::string(1000, 'p');
            if (installed)
                files.files[record::pathIn(folder)] = "Corvane Lumetra install record 1\r\nfile\t" + folder +
                                                      "/Uninstall.exe\r\nfile\t" + folder + "/Corvane Lumetra.exe\r\n"
                                                      "file\t" + folder + "/readme.txt\r\n";  // deleted by its user
        }
        const auto run = runToEnd();
        uninstall::DoneForm& doneHere = run->done;

        EXPECT_EQ(doneHere.caption(), "Install complete!");
        ASSERT_EQ(hasEntry(), !c.namesFolder.empty());
        if (c.namesFolder.empty()) continue;
        // 2500 bytes of recorded files are there: 3 KB.
        for (const entry::EntryValue& value : entry::uninstallEntryValues({product::kName, c.namesFolder, 2500})) {
            if (const auto* text = std::get_if<std::string>(&value.data))
                EXPECT_EQ(registry.readString(RegistryRoot::LocalMachine, kKey, value.name), *text) << value.name;
            else
                EXPECT_EQ(registry.readDword(RegistryRoot::LocalMachine, kKey, value.name),
                          std::get<std::uint32_t>(value.data)) << value.name;
        }
        EXPECT_EQ(registry.readString(RegistryRoot::LocalMachine, kKey, "UninstallString"),
                  "\"" + c.namesFolder + "/Uninstall.exe\"");
        EXPECT_EQ(registry.readDword(RegistryRoot::LocalMachine, kKey, "EstimatedSize"), 3u);
    }
}

TEST_F(Uninstaller, AFolderThatIsNotAnInstallationDeletesNothingAndSaysWhy) {
    const std::string downloads = "/home/Downloads";
    files.folders.insert(downloads);
    files.files[joinPath(downloads, "Uninstall.exe")] = "copy";
    files.files[joinPath(downloads, "letter.doc")] = "the user's";
    folders.setProgramFolder(downloads);
    const auto before = files.files;
    open();

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

TEST(InstallFolderGuard, AcceptsOnlyAFolderWhoseRecordOrEntryNamesThisVeryProgram) {
    const std::string folder = "C:\\Program Files\\Corvane Lumetra";
    const std::string self = folder + "\\Uninstall.exe";
    const record::InstallRecord mine{{folder + "\\Corvane Lumetra.exe", self}, {folder}};
    const record::InstallRecord elsewhere{{"D:\\Other\\Uninstall.exe"}, {}};
    struct Case {
        const char* what;
        std::string folder, programFile;
        std::optional<std::string> entry;
        std::optional<record::InstallRecord> record;
        bool expected;
    };
    const Case cases[] = {
        {"entry names this program", folder, self, "\"" + self + "\"", std::nullopt, true},
        {"entry unquoted, other case and slashes", folder, self, "c:/PROGRAM FILES/corvane lumetra/uninstall.exe ",
         std::nullopt, true},
        {"entry typed with a trailing separator", folder, self, "\"" + folder + "\\\\Uninstall.exe\"", std::nullopt, true},
        {"entry with dots", folder, self, "\"C:\\Program Files\\x\\..\\.\\Corvane Lumetra\\Uninstall.exe\"",
         std::nullopt, true},
        {"entry names a relative path", folder, self, "Corvane Lumetra\\Uninstall.exe", std::nullopt, false},
        {"entry names another path", "D:\\Downloads", "D:\\Downloads\\Uninstall.exe", "\"" + self + "\"", mine, false},
        {"no entry, the record names it", folder, self, std::nullopt, mine, true},
        {"no entry, the record names another", folder, self, std::nullopt, elsewhere, false},
        {"no entry, no record: both programs copied", "C:\\Users\\me\\Desktop", "C:\\Users\\me\\Desktop\\Uninstall.exe",
         std::nullopt, std::nullopt, false},
        {"drive root named by the entry", "C:\\", "C:\\Uninstall.exe", "C:\\Uninstall.exe", std::nullopt, false},
        {"network share root", "\\\\server\\share", "\\\\server\\share\\Uninstall.exe",
         "\\\\server\\share\\Uninstall.exe", std::nullopt, false},
        {"inside the Windows folder", "C:\\WINDOWS\\System32", "C:\\WINDOWS\\System32\\Uninstall.exe",
         "C:\\WINDOWS\\System32\\Uninstall.exe", std::nullopt, false},
        {"a folder named like the Windows folder", "C:\\Windows Apps", "C:\\Windows Apps\\Uninstall.exe",
         "C:\\Windows Apps\\Uninstall.exe", std::nullopt, true},
    };
    fakes::MemoryFiles files;
    for (const Case& c : cases) {
        uninstall::FolderFacts facts{c.folder, c.programFile, "C:\\Windows", c.entry, c.record};
        EXPECT_EQ(uninstall::isInstallFolder(files, facts), c.expected) << c.what;
    }
}

// A hard or symbolic link shares the installed uninstaller's identity; only
// one inside the install folder runs from the installation.
TEST(InstallFolderGuard, ALinkToTheUninstallerServesOnlyInsideTheInstallFolder) {
    struct LinkedFiles : fakes::MemoryFiles {
        rt::Outcome<platform::FileIdentity> identity(const std::string& path) override {
            for (const char* link : {"C:\\T1\\Uninstall.exe", "C:\\U1\\Uninstall.exe", "C:\\T1\\Remove.exe"})
                if (platform::sameTextIgnoringCase(path, link)) return platform::FileIdentity{7, 42};
            return rt::fail("not a link");
        }
    } files;
    const record::InstallRecord installed{{"C:\\T1\\Corvane Lumetra.exe", "C:\\T1\\Uninstall.exe"}, {"C:\\T1"}};
    const std::string entry = "\"C:\\T1\\Uninstall.exe\"";
    const struct {
        const char* what;
        std::string folder, programFile;
        std::optional<record::InstallRecord> record;
        bool expected;
    } cases[] = {
        {"a link elsewhere, the entry names the installation", "C:\\U1", "C:\\U1\\Uninstall.exe", std::nullopt, false},
        {"a link elsewhere beside a copied record", "C:\\U1", "C:\\U1\\Uninstall.exe", installed, false},
        {"a link inside the install folder", "C:\\T1", "C:\\T1\\Remove.exe", std::nullopt, true},
        {"a link inside the install folder, by the record", "C:\\T1", "C:\\T1\\Remove.exe", installed, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(uninstall::isInstallFolder(files, {c.folder, c.programFile, "C:\\Windows", entry, c.record}), c.expected)
            << c.what;
}

// A record grown by hand to 100,000 lines (in the folder, elsewhere, below
// it, repeated) costs a run the calls to the file system a five-line one
// does, and deletes the same: the lines are picked by their text and
// matched against one listing of the folder, and only the first MiB is read.
TEST_F(Uninstaller, AHugeRecordCostsTheFileCallsOfASmallOne) {
    const std::string small = files.files[kRecord];
    std::string huge = small;
    for (int i = 0; i < 100000; ++i) {
        const std::string n = std::to_string(i);
        switch (i % 4) {
        case 0: huge += "file\t/pf/Corvane Lumetra/f" + n + ".dat\r\n"; break;
        case 1: huge += "file\t/elsewhere/" + n + "/Uninstall.exe\r\n"; break;
        case 2: huge += "folder\t/pf/Corvane Lumetra/sub" + n + "\r\n"; break;
        default: huge += "file\t/pf/Corvane Lumetra/Corvane Lumetra.exe\r\n";
        }
    }
    huge += "file\t/pf/Corvane Lumetra/beyond the bound.txt\r\n";
    ASSERT_GT(huge.size(), record::kMaxBytes);
    struct Cost {
        std::size_t calls;
        std::vector<std::pair<std::string, Folders>> removal;
        std::map<std::string, std::string> left;
    };
    const auto costOf = [&](const std::string& record) {
        install();
        removal.calls.clear();
        files.files[kRecord] = record;
        files.files[joinPath(kFolder, "beyond the bound.txt")] = "the user's";
        fakes::CountingFiles counted(files);
        Run run({folders, counted, registry, shortcuts, removal, boxes});
        run.form.load();
        run.form.Command4.press();
        forms::ManualClock runClock;
        runClock.attach(run.form);
        for (int i = 0; i < 100; ++i) runClock.step();
        return Cost{counted.calls, removal.calls, files.files};
    };
    const Cost few = costOf(small), many = costOf(huge);
    EXPECT_EQ(many.calls, few.calls);
    EXPECT_EQ(many.removal, few.removal);
    EXPECT_EQ(many.left, few.left);
    EXPECT_EQ(many.left.count(joinPath(kFolder, "beyond the bound.txt")), 1u);
}

// A silent run removes what "Uninstall" would and presses "Done" for the
// user; the log and the exit status say how it went.
TEST_F(Uninstaller, AVerySilentRunRemovesEverythingAndLogsEachStep) {
    const std::string log = runVerySilently();
    EXPECT_EQ(status, 0);
    for (const char* line : {"Deleted: /pf/Corvane Lumetra/Corvane Lumetra.exe\r\n",
                             "Deleted: /home/Desktop/Corvane Lumetra.lnk\r\n", "Entry: Software\\Microsoft",
                             "Result: done, exit status 0: Corvane Lumetra was uninstalled from /pf/Corvane Lumetra"})
        EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
    EXPECT_FALSE(hasEntry());
    EXPECT_EQ(removal.calls.size(), 1u) << "Uninstall.exe and the folders go after the end, as after Done";
}

TEST_F(Uninstaller, AVerySilentRunLogsARemovalAfterTheEndThatCouldNotBeArranged) {
    removal.answer = rt::fail("the system gives no temporary folder");
    const std::string log = runVerySilently();
    EXPECT_NE(log.find("Could not arrange the removal of /pf/Corvane Lumetra/Uninstall.exe and the emptied folders "
                       "after the end: the system gives no temporary folder; they stay.\r\nResult: done"),
              std::string::npos)
        << log;
}

TEST_F(Uninstaller, AVerySilentRunThatCannotCompleteOrIsRefusedExitsOne) {
    files.undeletable = {joinPath(kFolder, "Corvane Lumetra.exe")};
    std::string log = runVerySilently();
    EXPECT_EQ(status, 1);
    EXPECT_NE(log.find("Could not delete: /pf/Corvane Lumetra/Corvane Lumetra.exe"), std::string::npos) << log;
    // The result carries the completion window's advice, which names the file.
    EXPECT_NE(log.find("Result: failed, exit status 1: Could not remove Corvane Lumetra.exe"), std::string::npos) << log;
    EXPECT_TRUE(hasEntry());
    EXPECT_TRUE(removal.calls.empty());
}

TEST_F(Uninstaller, AVerySilentRunFromAFolderThatIsNoInstallationDeletesNothingAndExitsOne) {
    files.files.erase(kRecord);
    registry.keys.clear();
    const auto before = files.files;
    const std::string log = runVerySilently();
    EXPECT_EQ(status, 1);
    EXPECT_NE(log.find("Result: failed, exit status 1: The folder /pf/Corvane Lumetra is not an installation"),
              std::string::npos) << log;
    files.files.erase("/logs/uninstall.log");
    EXPECT_EQ(files.files, before);
}

// The mode line: written for a per-user installation and read back; a record
// without it (an older Setup's) is one for all users; an unknown value of a
// later Setup is not taken for the user alone.
TEST(InstallRecordMode, TheModeLineRoundTripsAndItsAbsenceMeansAllUsers) {
    for (const bool forUser : {false, true}) {
        record::InstallRecord written{{"C:\\P\\Corvane Lumetra\\a.exe"}, {"C:\\P\\Corvane Lumetra"}};
        written.forCurrentUser = forUser;
        const auto read = record::parse(record::format(written));
        ASSERT_TRUE(read);
        EXPECT_EQ(read->forCurrentUser, forUser);
        EXPECT_EQ(read->files, written.files);
    }
    const std::string old = "Corvane Lumetra install record 1\r\nfolder\tC:\\P\r\n";
    for (const std::string& text : {old, old + "mode\tall users\r\n", old + "mode\tsomeone else\r\n"}) {
        const auto read = record::parse(text);
        ASSERT_TRUE(read) << text;
        EXPECT_FALSE(read->forCurrentUser) << text;
    }
}

} // namespace
