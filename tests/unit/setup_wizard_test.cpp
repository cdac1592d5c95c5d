// The install wizard on the manual clock, over real files in a scratch
// folder, a fake registry and a fake shortcut maker: the load, the pages,
// the schedule tick by tick, Cancel, the package check, a large package,
// Done and installing twice.
#include "Setup/Form1.h"
#include "archive_test_support.h"
#include "fake_registry.h"
#include "fake_shortcuts.h"
#include "fixed_folders.h"
#include "forms/manual_clock.h"
#include "platform/standard_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

using namespace archive_test;
using platform::RegistryRoot;

namespace {

const std::string kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvane Lumetra";
using Entries = std::vector<std::pair<std::string, std::string>>;

Entries productEntries(unsigned seed = 1) {
    return {{"Corvane Lumetra.exe", programBytes(70000, seed)},
            {"Uninstall.exe", programBytes(30000, seed + 1)},
            {"readme.txt", "Corvane Lumetra " + std::to_string(seed)}};
}

std::string packageBytes(const Entries& entries) {
    std::string bytes;
    for (const auto& [name, data] : entries) bytes += entryBytes(name, data);
    return bytes;
}

// One installer, as Setup.exe starts it, beside a package in a scratch folder.
struct Installer {
    ScratchFolder& root;
    fakes::FixedFolders folders;
    platform::StandardFileSystem files;
    fakes::FakeRegistry& registry;
    fakes::FakeShortcuts& shortcuts;
    setup::Form1 form;
    forms::ManualClock clock;

    Installer(ScratchFolder& scratch, fakes::FakeRegistry& reg, fakes::FakeShortcuts& links)
        : root(scratch), folders(scratch / "setup"), registry(reg), shortcuts(links),
          form({folders, files, registry, shortcuts}) {
        folders.setProgramFilesFolder(scratch / "Program Files");
        for (forms::Form* f : {static_cast<forms::Form*>(&form), static_cast<forms::Form*>(&form.doneForm),
                               static_cast<forms::Form*>(&form.dezarhivator)})
            clock.attach(*f);
        form.load();
        form.show();
    }
    // Through both "Next >" pages into `folder`.
    void startInto(const std::string& folder) {
        form.Command4.press();
        form.Cale.setText(folder);
        form.Command7.press();
    }
    // Runs both timers, interleaved as the clock has them, until the tick.
    void runTo(int tick) {
        while (form.StepCounter < tick && clock.step()) {}
    }
    // Runs until nothing ticks any more (the completion window is up).
    void runOut(int limit = 100000) {
        while (limit-- > 0 && clock.step()) {}
    }
};

class SetupWizard : public ::testing::Test {
public:
    ScratchFolder root;
    fakes::FakeRegistry registry;
    fakes::FakeShortcuts shortcuts;
    std::unique_ptr<Installer> installer;

    // Setup.exe reads "Data.set" at tick 10 and its archive window lists
    // "data.set" at load: one file on Windows, so one file here too.
    void package(const std::string& bytes) {
        std::filesystem::create_directories(root / "setup");
        writeBytes(root / "setup/Data.set", bytes);
        std::filesystem::remove(root / "setup/data.set");
        std::filesystem::create_symlink("Data.set", root / "setup/data.set");
    }
    setup::Form1& start() {
        installer = std::make_unique<Installer>(root, registry, shortcuts);
        return installer->form;
    }
    std::string folder() const { return root / "Programs of mine/Corvane Lumetra"; }
    std::map<std::string, std::string> entryValues() {
        const auto key = registry.keys.find({RegistryRoot::LocalMachine, kKey});
        return key == registry.keys.end() ? std::map<std::string, std::string>{} : key->second;
    }
};

TEST_F(SetupWizard, LoadSetsTheCaptionsAndThePagesGoForwardWithTheKeyboardReady) {
    package(packageBytes(productEntries()));
    setup::Form1& form = start();
    EXPECT_EQ(form.caption(), "Corvane Setup");
    EXPECT_EQ(form.Titlu.caption(), "Setup Corvane Lumetra");
    EXPECT_EQ(form.WelcomeLabel.caption(), "Welcome to the Corvane Lumetra Install Program.");
    EXPECT_EQ(form.SetupLabel.caption(), "This program allows you to install Corvane Lumetra on your computer.");
    EXPECT_EQ(form.SetupLabel2.caption(), "If you don't want to install Corvane Lumetra on your computer, plase click "
                                          "Cancel now, otherwise click Next to continue.");
    EXPECT_EQ(form.Label2.caption(), "Corvanesoft Setup");
    // The system's Program Files folder followed by the product name.
    EXPECT_EQ(form.Cale.text(), (root / "Program Files") + "\\Corvane Lumetra");
    EXPECT_EQ(form.doneForm.ThankYouLabel.caption(), "Thank you for chosing Corvane Lumetra");
    EXPECT_EQ(form.doneForm.ShortcutName.caption(), "Corvane Lumetra");
    EXPECT_EQ(form.doneForm.Label2.caption(), "For support, please visit www.corvanesoft.example");
    EXPECT_TRUE(form.doneForm.Command1.isDefault() && form.doneForm.Command1.isCancel());
    EXPECT_TRUE(form.doneForm.loaded());
    EXPECT_FALSE(form.doneForm.visible());
    EXPECT_TRUE(form.dezarhivator.loaded());
    EXPECT_FALSE(form.dezarhivator.visible());
    EXPECT_EQ(form.dezarhivator.List2.ListCount(), 3);
    EXPECT_EQ(form.InstallTimer.interval(), 1);

    // Page by page: which page shows, which buttons Enter and Esc press.
    struct Page {
        forms::Frame* shown;
        forms::CommandButton* next;
        forms::CommandButton* cancel;
    };
    const Page pages[] = {{&form.Pas1, &form.Command4, &form.Command5},
                          {&form.Pas2, &form.Command7, &form.Command6},
                          {&form.Pas3, nullptr, &form.Command8}};
    for (const Page& page : pages) {
        for (forms::Frame* frame : {&form.Pas1, &form.Pas2, &form.Pas3})
            EXPECT_EQ(frame->visible(), frame == page.shown) << page.shown->name() << " / " << frame->name();
        if (page.next) {
            EXPECT_TRUE(page.next->isDefault()) << page.next->name();
        }
        EXPECT_TRUE(page.cancel->isCancel()) << page.cancel->name();
        EXPECT_EQ(page.cancel->caption(), "Cancel");
        EXPECT_EQ(form.InstallTimer.enabled(), page.shown == &form.Pas3);
        if (page.shown == &form.Pas2) {
            // The folder page starts in Cale with the whole folder selected.
            EXPECT_EQ(form.activeControl(), &form.Cale);
            EXPECT_EQ(form.Cale.selStart(), 0);
            EXPECT_EQ(form.Cale.selLength(), static_cast<int>(form.Cale.text().size()));
        }
        if (page.next) page.next->press();
    }
    EXPECT_EQ(form.Status.caption(), "Begin installation, please wait...");
    EXPECT_EQ(form.Bar.width(), 60);
}

TEST_F(SetupWizard, EveryTickShowsItsStatusAndBarAndTheTypedFolderIsUsedThroughout) {
    package(packageBytes(productEntries()));
    setup::Form1& form = start();
    installer->startInto(folder());  // a parent that does not exist yet, spaces in the names

    const std::pair<int, std::string> rows[] = {
        {1, "Begin installation..."},  {5, "Making folders..."},  {10, "Check package..."},
        {15, "Extract files from Data.dat file..."},  {40, "Copy files..."},
        {80, "Register variabiles if needed..."},  {90, "Add to Add and Remove Programs..."},
    };
    for (int tick = 1; tick <= 99; ++tick) {
        installer->runTo(tick);
        ASSERT_EQ(form.StepCounter, tick);
        std::string expected;
        for (const auto& [row, text] : rows)
            if (row <= tick) expected = text;
        EXPECT_EQ(form.Status.caption(), expected) << "tick " << tick;
        EXPECT_EQ(form.Bar.width(), 60 + 60 * tick) << "tick " << tick;
        EXPECT_TRUE(form.visible());
        EXPECT_FALSE(form.doneForm.visible());
        // Before tick 90 there is no uninstall entry; from it on, exactly two values.
        EXPECT_EQ(entryValues().size(), tick < 90 ? 0u : 2u) << "tick " << tick;
    }
    installer->runTo(100);
    EXPECT_EQ(form.Status.caption(), "Done!...");
    EXPECT_EQ(form.Bar.width(), 6060);
    EXPECT_FALSE(form.InstallTimer.enabled());
    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(form.doneForm.visible());
    EXPECT_EQ(form.doneForm.caption(), "Install complete!");
    EXPECT_EQ(form.doneForm.Label1.caption(), "Install complete!");
    EXPECT_TRUE(form.doneForm.Check1.visible());
    EXPECT_EQ(form.doneForm.Check1.value(), 1);
    EXPECT_EQ(form.firstFailure(), "");

    for (const auto& [name, data] : productEntries()) EXPECT_EQ(readBytes(folder() + "/" + name), data) << name;
    const std::map<std::string, std::string> values{
        {"DisplayName", "Corvane Lumetra"}, {"UninstallString", "\"" + folder() + "\\Uninstall.exe\""}};
    EXPECT_EQ(entryValues(), values);
    installer->runOut();
    EXPECT_EQ(form.StepCounter, 100);  // nothing ticks after the completion window
}

TEST_F(SetupWizard, DoneMakesTheDesktopShortcutOnlyWhenTicked) {
    // Done pressed, or the window closed with its close box: the same.
    const struct {
        int check;
        bool closeBox;
    } cases[] = {{1, false}, {0, false}, {1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Check1 " << c.check << (c.closeBox ? ", close box" : ", Done"));
        shortcuts.saved.clear();
        package(packageBytes(productEntries()));
        setup::Form1& form = start();
        installer->startInto(folder());
        installer->runOut();
        ASSERT_TRUE(form.doneForm.visible());
        form.doneForm.Check1.setValue(c.check);
        if (c.closeBox) {
            EXPECT_THROW(form.doneForm.unload(), forms::ProgramEnded);
        } else {
            EXPECT_THROW(form.doneForm.Command1.press(), forms::ProgramEnded);
        }
        if (!c.check) {
            EXPECT_TRUE(shortcuts.saved.empty());
            continue;
        }
        ASSERT_EQ(shortcuts.saved.size(), 1u);
        const auto& [path, link] = *shortcuts.saved.begin();
        EXPECT_EQ(path, "C:\\Users\\user\\Desktop\\Corvane Lumetra.lnk");
        EXPECT_EQ(link.target, folder() + "\\Corvane Lumetra.exe");
        EXPECT_EQ(link.workingFolder, "");
        EXPECT_EQ(link.windowStyle, 0);
        EXPECT_EQ(link.iconPath, folder() + "\\Corvane Lumetra.exe");
        EXPECT_EQ(link.iconIndex, 0);
    }
}

TEST_F(SetupWizard, CancelEndsAtOnceAndBeforeTick90LeavesNoUninstallEntry) {
    // -2: on the welcome page; -1: on the folder page; else after that tick.
    for (const int tick : {-2, -1, 0, 5, 15, 89, 90, 95}) {
        SCOPED_TRACE(testing::Message() << "tick " << tick);
        registry.keys.clear();
        package(packageBytes(productEntries()));
        setup::Form1& form = start();
        forms::CommandButton* cancel = &form.Command5;
        if (tick >= -1) {
            form.Command4.press();
            form.Cale.setText(folder());
            cancel = &form.Command6;
        }
        if (tick >= 0) {
            form.Command7.press();
            installer->runTo(tick);
            cancel = &form.Command8;
        }
        EXPECT_THROW(cancel->press(), forms::ProgramEnded);
        EXPECT_EQ(entryValues().size(), tick < 90 ? 0u : 2u);
    }
    // Closing the window ends the program as well.
    package(packageBytes(productEntries()));
    EXPECT_THROW(start().unload(), forms::ProgramEnded);
}

TEST_F(SetupWizard, AFailureStopsTheInstallAndTheCompletionWindowSaysWhat) {
    Entries noUninstaller = productEntries();
    noUninstaller.pop_back();
    noUninstaller.erase(noUninstaller.begin() + 1);
    Entries emptyUninstaller = productEntries();
    emptyUninstaller[1].second.clear();
    const std::string whole = packageBytes(productEntries());
    const struct {
        const char* what;
        std::function<void(SetupWizard&)> arrange;
        std::string reason;  // words the report holds
        bool folderTakenBack;
    } cases[] = {
        {"missing package", [](SetupWizard& t) { t.package(""); std::filesystem::remove(t.root / "setup/Data.set"); },
         "cannot be opened", true},
        {"truncated package", [&](SetupWizard& t) { t.package(whole.substr(0, whole.size() - 7)); },
         "runs past the end of the file", true},
        {"size field damaged", [&](SetupWizard& t) { t.package(whole.substr(0, 22) + "x" + whole.substr(23)); },
         "cannot be read", true},
        {"no uninstaller", [&](SetupWizard& t) { t.package(packageBytes(noUninstaller)); }, "does not hold Uninstall.exe",
         true},
        {"empty uninstaller", [&](SetupWizard& t) { t.package(packageBytes(emptyUninstaller)); },
         "Uninstall.exe in the package " + (root / "setup") + "\\Data.set is not a Windows program: it is empty.", true},
        // A file of an earlier install that the user made read-only is named.
        {"installed file made read-only", [&](SetupWizard& t) {
             t.package(whole);
             std::filesystem::create_directories(t.folder());
             writeBytes(t.folder() + "/Uninstall.exe", "the user's");
             std::filesystem::permissions(t.folder() + "/Uninstall.exe", std::filesystem::perms::owner_read);
         }, "Could not write " + folder() + "\\Uninstall.exe: cannot write the extracted file: it is read-only.", false},
        {"folder cannot be made", [&](SetupWizard& t) {
             t.package(whole);
             writeBytes(t.root / "Programs of mine", "a file where the folder's parent would be");
         }, "could not be made", false},
        {"registry refuses", [&](SetupWizard& t) { t.package(whole); t.registry.writable = false; },
         "could not be added to the installed programs", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(root / "Programs of mine");
        registry = {};
        shortcuts.saved.clear();
        c.arrange(*this);
        setup::Form1& form = start();
        installer->startInto(folder());
        installer->runOut();

        EXPECT_TRUE(form.doneForm.visible());
        EXPECT_FALSE(form.visible());
        EXPECT_EQ(form.doneForm.caption(), "Install failed");
        EXPECT_EQ(form.doneForm.Label1.caption(), "Install failed!");
        EXPECT_NE(form.doneForm.ThankYouLabel.caption().find(c.reason), std::string::npos)
            << form.doneForm.ThankYouLabel.caption();
        EXPECT_FALSE(form.doneForm.Check1.visible());
        EXPECT_TRUE(entryValues().empty());
        if (c.folderTakenBack) {
            // Stopped at the check: nothing extracted, the folders it made taken back.
            EXPECT_EQ(form.StepCounter, 10);
            EXPECT_FALSE(exists(root / "Programs of mine"));
        }
        EXPECT_THROW(form.doneForm.Command1.press(), forms::ProgramEnded);
        EXPECT_TRUE(shortcuts.saved.empty());
    }
}

TEST_F(SetupWizard, CompletionWaitsForEveryEntryOfALargePackage) {
    Entries entries = productEntries();
    for (int i = 0; i < 300; ++i) entries.emplace_back("part" + std::to_string(i) + ".dat", patternBytes(100 + i, i));
    package(packageBytes(entries));
    setup::Form1& form = start();
    installer->startInto(folder());
    installer->runTo(89);
    // However fast the schedule ticks, no uninstall entry and no completion
    // while the walk still has entries to write.
    while (form.dezarhivator.Extractor.enabled()) {
        EXPECT_EQ(form.StepCounter, 89);
        EXPECT_TRUE(entryValues().empty());
        ASSERT_TRUE(installer->clock.step());
    }
    EXPECT_EQ(form.dezarhivator.ExtractIndex, 303);
    installer->runOut();
    EXPECT_EQ(form.doneForm.caption(), "Install complete!");
    EXPECT_EQ(form.Bar.width(), 6060);
    for (const auto& [name, data] : entries) ASSERT_EQ(readBytes(folder() + "/" + name), data) << name;
    EXPECT_EQ(entryValues().size(), 2u);
}

TEST_F(SetupWizard, InstallingAgainReplacesTheFilesAndTheEntry) {
    for (const unsigned seed : {1u, 9u}) {
        SCOPED_TRACE(seed);
        package(packageBytes(productEntries(seed)));
        setup::Form1& form = start();
        installer->startInto(folder());
        installer->runOut();
        EXPECT_EQ(form.doneForm.caption(), "Install complete!") << form.firstFailure();
        for (const auto& [name, data] : productEntries(seed)) EXPECT_EQ(readBytes(folder() + "/" + name), data);
        EXPECT_EQ(entryValues().at("UninstallString"), "\"" + folder() + "\\Uninstall.exe\"");
        EXPECT_THROW(form.doneForm.Command1.press(), forms::ProgramEnded);
        EXPECT_EQ(shortcuts.saved.size(), 1u);
    }
}

} // namespace
