// The install wizard on the manual clock, over real files in a scratch
// folder, a fake registry and a fake shortcut maker: the load, the pages,
// the schedule tick by tick, the uninstall entry's values, Cancel, the
// package check, a large package, Done, installing twice and a silent run.
#include "Setup/SetupForm1.h"
#include "archive_test_support.h"
#include "fake_registry.h"
#include "fake_shortcuts.h"
#include "fixed_folders.h"
#include "support/focus_watch.h"
#include "support/manual_clock.h"
#include "platform/paths.h"
#include "platform/standard_files.h"
#include "Setup/PackageSpace.h"
#include "Wizard/WizardLook.h"
#include "scripted_folder_picker.h"
#include "scripted_message_boxes.h"
#include "Wizard/QuietBoxes.h"
#include "Wizard/RunReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>

using namespace archive_test;
using platform::joinPath;
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

// Every file and folder under `top` (folders with a trailing "/"), sorted;
// empty when nothing is there.
std::string listTree(const std::string& top) {
    namespace fs = std::filesystem;
    if (!fs::exists(top)) return "";
    if (!fs::is_directory(top)) return "<file>";
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(top))
        names.insert(fs::relative(e.path(), top).string() + (e.is_directory() ? "/" : ""));
    std::string list;
    for (const auto& name : names) list += name + ";";
    return list;
}

// The file layer with a copy of the product running for the first
// `busyChecks` questions about it, and drives with `free` bytes free (the
// host's own answer when not set).
struct FilesWithRunningProgram : platform::StandardFileSystem {
    int busyChecks = 0;
    std::optional<std::uint64_t> free;
    bool freeUnknown = false;
    std::vector<std::string> spaceAsked;
    bool inUse(const std::string& path) override {
        return platform::fileNameOf(path) == "Corvane Lumetra.exe" && busyChecks-- > 0;
    }
    rt::Outcome<std::uint64_t> freeSpace(const std::string& folder) override {
        spaceAsked.push_back(folder);
        if (freeUnknown) return rt::fail("the system does not say");
        return free ? rt::Outcome<std::uint64_t>(*free) : StandardFileSystem::freeSpace(folder);
    }
};

// One installer, as Setup.exe starts it, beside a package in a scratch folder.
struct Installer {
    ScratchFolder& root;
    fakes::FixedFolders folders;
    FilesWithRunningProgram files;
    fakes::FakeRegistry& registry;
    fakes::FakeShortcuts& shortcuts;
    platform::MessageBoxes& boxes;
    fakes::ScriptedFolderPicker picker;
    setup::Form1 form;
    forms::FocusWatch focus{form};
    forms::ManualClock clock;

    // Shown as the wizard opens without switches, or only loaded for a run
    // that `start` shows as its switches say.
    Installer(ScratchFolder& scratch, fakes::FakeRegistry& reg, fakes::FakeShortcuts& links,
              platform::MessageBoxes& questions, bool shown = true)
        : root(scratch), folders(scratch / "setup"), registry(reg), shortcuts(links), boxes(questions),
          form({folders, files, registry, shortcuts, boxes, picker, true, {}}) {
        folders.setProgramFilesFolder(scratch / "Program Files");
        for (forms::Form* f : {static_cast<forms::Form*>(&form), static_cast<forms::Form*>(&form.doneForm),
                               static_cast<forms::Form*>(&form.dezarhivator)})
            clock.attach(*f);
        form.load();
        if (shown) form.show();
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
    fakes::ScriptedMessageBoxes boxes;
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
        installer = std::make_unique<Installer>(root, registry, shortcuts, boxes);
        return installer->form;
    }
    std::string folder() const { return root / "Programs of mine/Corvane Lumetra"; }
    std::map<std::string, std::string> entryValues() {
        const auto key = registry.keys.find({RegistryRoot::LocalMachine, kKey});
        return key == registry.keys.end() ? std::map<std::string, std::string>{} : key->second;
    }
    std::map<std::string, std::uint32_t> entryNumbers() {
        const auto key = registry.dwords.find({RegistryRoot::LocalMachine, kKey});
        return key == registry.dwords.end() ? std::map<std::string, std::uint32_t>{} : key->second;
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
    EXPECT_EQ(form.Cale.text(), joinPath(root / "Program Files", "Corvane Lumetra"));
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
            EXPECT_EQ(installer->focus.focused(), &form.Cale);
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
        // Before tick 90 there is no uninstall entry; from it on, all its values.
        EXPECT_EQ(entryValues().size(), tick < 90 ? 0u : 8u) << "tick " << tick;
        EXPECT_EQ(entryNumbers().size(), tick < 90 ? 0u : 3u) << "tick " << tick;
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
    EXPECT_EQ(form.doneForm.ThankYouLabel.caption(), "Thank you for chosing Corvane Lumetra");

    for (const auto& [name, data] : productEntries()) EXPECT_EQ(readBytes(folder() + "/" + name), data) << name;
    const std::string uninstaller = "\"" + joinPath(folder(), "Uninstall.exe") + "\"";
    const std::map<std::string, std::string> values{
        {"DisplayName", "Corvane Lumetra"},
        {"UninstallString", uninstaller},
        {"QuietUninstallString", uninstaller + " /VERYSILENT"},
        {"DisplayIcon", "\"" + joinPath(folder(), "Corvane Lumetra.exe") + "\",0"},
        {"DisplayVersion", "1.2.0"},
        {"Publisher", "Corvanesoft"},
        {"InstallLocation", folder()},
        {"URLInfoAbout", "http://www.corvanesoft.example"}};
    EXPECT_EQ(entryValues(), values);
    // 70000 + 30000 + 17 bytes written: 97.7 KB, counted as 98.
    const std::map<std::string, std::uint32_t> numbers{{"EstimatedSize", 98}, {"NoModify", 1}, {"NoRepair", 1}};
    EXPECT_EQ(entryNumbers(), numbers);
    installer->runOut();
    EXPECT_EQ(form.StepCounter, 100);  // nothing ticks after the completion window
}

TEST_F(SetupWizard, TheFolderPageRefusesAsksOrRewritesTheFolderBeforeAnythingHappens) {
    using platform::Answer;
    const std::string mine = root / "Mine";
    std::filesystem::create_directories(mine);
    writeBytes(mine + "/letter.txt", "the user's");
    std::filesystem::create_directories(root / "Earlier");
    writeBytes(root / "Earlier/Install record.txt",
               "Corvane Lumetra install record 1\r\nfile\t" + joinPath(root / "Earlier", "Uninstall.exe") + "\r\n");
    writeBytes(root / "Earlier/Uninstall.exe", "an earlier version");
    const struct {
        const char* what;
        std::string typed;
        std::vector<Answer> answers;
        int busyChecks;
        const char* asked;     // words of the question, or "" for none
        std::string accepted;  // the folder in normal form, or "" when the page stays
    } cases[] = {
        {"trailing separator and dots", folder() + "/./../Corvane Lumetra/", {}, 0, "", folder()},
        {"relative", "Corvane Lumetra", {}, 0, "is a relative path", ""},
        {"empty", "  ", {}, 0, "No install folder was given.", ""},
        {"holds a user's file, No", mine, {Answer::No}, 0, "already exists and holds other files", ""},
        {"holds a user's file, Yes", mine + "/", {Answer::Yes}, 0, "Install Corvane Lumetra there anyway?", mine},
        {"an earlier installation", root / "Earlier", {}, 0, "", root / "Earlier"},
        {"the program runs, Retry", folder(), {Answer::Retry}, 1, "Corvane Lumetra is running.", folder()},
        {"the program runs, Cancel", folder(), {Answer::Cancel}, 1, "Cancel stops the installation.", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        package(packageBytes(productEntries()));
        boxes = {};
        boxes.answers.assign(c.answers.begin(), c.answers.end());
        setup::Form1& form = start();
        installer->files.busyChecks = c.busyChecks;
        form.Command4.press();
        form.Cale.setText(c.typed);
        try {
            form.Command7.press();
        } catch (const forms::ProgramEnded&) {
            EXPECT_EQ(c.answers.back(), Answer::Cancel);
        }
        if (*c.asked) {
            ASSERT_EQ(boxes.asked.size(), 1u);
            EXPECT_NE(boxes.asked[0].text.find(c.asked), std::string::npos) << boxes.asked[0].text;
        } else {
            EXPECT_TRUE(boxes.asked.empty());
        }
        EXPECT_EQ(form.Pas3.visible(), !c.accepted.empty());
        EXPECT_EQ(form.InstallTimer.enabled(), !c.accepted.empty());
        if (!c.accepted.empty()) {
            EXPECT_EQ(form.Cale.text(), c.accepted);
        }
        if (c.accepted.empty() && c.answers.empty()) {
            // Refused: the reason comes with an example, and the folder is ready to type over.
            EXPECT_NE(boxes.asked[0].text.find("for example C:\\Program Files\\Corvane Lumetra."), std::string::npos);
            EXPECT_EQ(installer->focus.focused(), &form.Cale);
        }
        EXPECT_FALSE(exists(root / "Programs of mine")) << "nothing is made before the progress page";
    }
}

// A file or folder named as the install record that is not one is the
// user's, and a log held for the wizard may not name a file the folder's
// installation writes: the folder page refuses the folder, naming the file,
// and Cancel leaves every byte as it was, the held log unwritten.
TEST_F(SetupWizard, TheFolderPageKeepsAUsersInstallRecordAndANeededFileFromTheLog) {
    namespace fs = std::filesystem;
    const std::string mine = root / "Mine";
    const std::string record = joinPath(mine, "Install record.txt");
    const std::string log = joinPath(mine, "settings.ini");
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::string logFile;  // held for the wizard, or ""
        std::string refusal;
    } cases[] = {
        {"a writable file", [&] { writeBytes(record, "my own notes\r\n"); }, "",
         "holds " + record + ", which is not Corvane Lumetra's install record. Rename that file"},
        {"a read-only file",
         [&] {
             writeBytes(record, "Corvane Lumetra install recor");
             fs::permissions(record, fs::perms::owner_read);
         },
         "", "Rename that file, or choose another folder."},
        {"a folder of that name",
         [&] {
             fs::create_directories(record);
             writeBytes(joinPath(record, "inside.txt"), "kept");
         },
         "", "Rename that folder, or choose another folder."},
        {"a held log naming the settings", [] {}, log, "The log file " + log + " would replace " + log},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (fs::exists(record)) fs::permissions(record, fs::perms::owner_all);
        fs::remove_all(mine);
        fs::create_directories(mine);
        writeBytes(joinPath(mine, "letter.txt"), "the user's");
        c.prepare();
        const std::string before = listTree(mine) + (fs::is_regular_file(record) ? readBytes(record) : "");
        package(packageBytes(productEntries()));
        boxes = {};
        platform::StandardFileSystem files;
        wizard::RunReport report;
        if (!c.logFile.empty()) {
            ASSERT_EQ(report.holdLog(files, c.logFile).reason(), "");
        }
        setup::Form1& form = start();
        form.reportTo(report);
        form.Command4.press();
        form.Cale.setText(mine);
        form.Command7.press();
        ASSERT_EQ(boxes.asked.size(), 1u);
        EXPECT_NE(boxes.asked[0].text.find(c.refusal), std::string::npos) << boxes.asked[0].text;
        EXPECT_TRUE(form.Pas2.visible() && !form.InstallTimer.enabled());
        EXPECT_THROW(form.Command6.press(), forms::ProgramEnded);
        report.finish();
        EXPECT_EQ(listTree(mine) + (fs::is_regular_file(record) ? readBytes(record) : ""), before);
    }
}

TEST_F(SetupWizard, TheFolderPageSaysTheSpaceNeededAndRefusesADriveThatIsShort) {
    // 100,017 bytes to write: a second entry of one name is never written.
    Entries entries = productEntries();
    entries.push_back({"README.TXT", std::string(50000, 'x')});
    const struct {
        const char* what;
        bool damaged;
        std::optional<std::uint64_t> free;  // nothing: the system cannot tell
        const char* refusal;                // words of the message, or "" when the page goes on
    } cases[] = {
        {"one byte short", false, 100016, "it needs 97.7 KB, and the drive has 97.6 KB free"},
        {"just enough", false, 100017, ""},
        {"the system cannot tell", false, std::nullopt, ""},
        {"a damaged package: no amount to check", true, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string bytes = packageBytes(entries);
        if (c.damaged) bytes.resize(bytes.size() - 10);
        package(bytes);
        boxes = {};
        setup::Form1& form = start();
        installer->files.free = c.free;
        installer->files.freeUnknown = !c.free;
        EXPECT_EQ(form.Label6.caption(), c.damaged ? "" : "At least 97.7 KB of free disk space is required.");
        installer->startInto(folder());
        if (*c.refusal) {
            ASSERT_EQ(boxes.asked.size(), 1u);
            EXPECT_NE(boxes.asked[0].text.find(c.refusal), std::string::npos) << boxes.asked[0].text;
            EXPECT_NE(boxes.asked[0].text.find(folder()), std::string::npos) << boxes.asked[0].text;
        } else {
            EXPECT_TRUE(boxes.asked.empty());
        }
        EXPECT_EQ(form.Pas2.visible(), *c.refusal != '\0');
        EXPECT_EQ(form.InstallTimer.enabled(), *c.refusal == '\0');
        // The folder does not exist yet: the drive is asked about through the
        // nearest folder that does.
        if (!c.damaged) {
            ASSERT_FALSE(installer->files.spaceAsked.empty());
            EXPECT_EQ(installer->files.spaceAsked.back(), root.str());
        }
        EXPECT_FALSE(exists(root / "Programs of mine")) << "nothing is made before the progress page";
    }
}

TEST_F(SetupWizard, BrowsePutsTheChosenFolderWithTheProductsOwnIntoTheBox) {
    package(packageBytes(productEntries()));
    std::filesystem::create_directories(root / "Program Files");
    const std::string proposed = joinPath(root / "Program Files", "Corvane Lumetra");
    const struct {
        const char* what;
        std::optional<std::string> chosen;  // nothing: the picker was cancelled
        std::string box;
    } cases[] = {
        {"a parent folder", "/srv/Apps", "/srv/Apps/Corvane Lumetra"},
        {"the product's folder already, any case", "/srv/Apps/corvane LUMETRA/", "/srv/Apps/corvane LUMETRA"},
        {"cancelled", std::nullopt, proposed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        setup::Form1& form = start();
        form.Command4.press();
        if (c.chosen) installer->picker.answers.push_back(*c.chosen);
        form.Command9.press();
        ASSERT_EQ(installer->picker.asked.size(), 1u);
        // It opens where the proposed folder would go: the folder that exists.
        EXPECT_EQ(installer->picker.asked[0].start, root / "Program Files");
        EXPECT_EQ(installer->picker.asked[0].title, "Choose where to install Corvane Lumetra");
        EXPECT_EQ(form.Cale.text(), c.box);
    }
    // Tab goes from the box to "Browse..." and on to "Next >".
    const auto& controls = installer->form.controls();
    auto place = [&](const forms::Control& c) { return std::find(controls.begin(), controls.end(), &c) - controls.begin(); };
    EXPECT_LT(place(installer->form.Cale), place(installer->form.Command9));
    EXPECT_LT(place(installer->form.Command9), place(installer->form.Command7));
}

// A window at another DPI gets the header's pictures drawn at its size, not
// the 96-DPI bitmap stretched.
TEST(WizardLook, HeaderPicturesDrawThemselvesAgainAtAnySize) {
    for (const forms::Picture& picture : {wizard::Logo(), wizard::Emblem()}) {
        ASSERT_TRUE(picture->redraw);
        EXPECT_EQ(picture->redraw(picture->width, picture->height).pixels, picture->pixels);
        const forms::Bitmap big = picture->redraw(picture->width * 3 / 2, picture->height * 3 / 2);
        EXPECT_EQ(big.pixels.size(), static_cast<std::size_t>(big.width) * big.height);
        EXPECT_EQ(big.width, picture->width * 3 / 2);
    }
}

TEST(DiskSpace, AmountsRoundTowardsTheSafeSide) {
    using setup::Rounding;
    const struct {
        std::uint64_t bytes;
        const char* up;
        const char* down;
    } cases[] = {
        {0, "0 bytes", "0 bytes"},
        {1, "1 byte", "1 byte"},
        {1023, "1023 bytes", "1023 bytes"},
        {1024, "1.0 KB", "1.0 KB"},
        {1126, "1.1 KB", "1.0 KB"},
        {102400, "100 KB", "100 KB"},
        {1048575, "1.0 MB", "1023 KB"},  // rounding up crosses into the next unit
        {1153433, "1.1 MB", "1.0 MB"},
        {5ull << 40, "5.0 TB", "5.0 TB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(setup::describeBytes(c.bytes, Rounding::Up), c.up) << c.bytes;
        EXPECT_EQ(setup::describeBytes(c.bytes, Rounding::Down), c.down) << c.bytes;
    }
}

// An installation the entry names is proposed at load; a second copy in
// another folder is installed only after a Yes. An entry whose uninstaller is
// gone names no installation.
TEST_F(SetupWizard, AnotherInstallationIsProposedAndASecondCopyIsAskedAbout) {
    using platform::Answer;
    const std::string first = root / "EA";
    const std::string second = root / "EB";
    const std::string defaultFolder = joinPath(root / "Program Files", "Corvane Lumetra");
    const std::string question =
        "Corvane Lumetra is already installed in " + first + ". Install a second copy in " + second + "?";
    const struct {
        const char* what;
        bool uninstallerThere;
        std::string typed;
        std::vector<Answer> answers;
        std::string proposed, asked, accepted;  // "" for no question, or the page stays
    } cases[] = {
        {"over it", true, first + "/", {}, first, "", first},
        {"a second copy, Yes", true, second, {Answer::Yes}, first, question, second},
        {"a second copy, No", true, second, {Answer::No}, first, question, ""},
        {"its uninstaller is gone", false, second, {}, defaultFolder, "", second},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        package(packageBytes(productEntries()));
        std::filesystem::remove_all(first);
        std::filesystem::create_directories(first);
        if (c.uninstallerThere) writeBytes(first + "/Uninstall.exe", "the first copy");
        registry.keys[{RegistryRoot::LocalMachine, kKey}] = {{"UninstallString", "\"" + first + "/Uninstall.exe\""}};
        boxes = {};
        boxes.answers.assign(c.answers.begin(), c.answers.end());
        setup::Form1& form = start();
        EXPECT_EQ(form.Cale.text(), c.proposed);
        form.Command4.press();
        form.Cale.setText(c.typed);
        form.Command7.press();
        ASSERT_EQ(boxes.asked.size(), c.asked.empty() ? 0u : 1u);
        if (!c.asked.empty()) {
            EXPECT_EQ(boxes.asked[0].text, c.asked);
        }
        EXPECT_EQ(form.InstallTimer.enabled(), !c.accepted.empty());
        if (!c.accepted.empty()) {
            EXPECT_EQ(form.Cale.text(), c.accepted);
        }
    }
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
        EXPECT_EQ(link.target, joinPath(folder(), "Corvane Lumetra.exe"));
        EXPECT_EQ(link.workingFolder, "");
        EXPECT_EQ(link.windowStyle, 0);
        EXPECT_EQ(link.iconPath, joinPath(folder(), "Corvane Lumetra.exe"));
        EXPECT_EQ(link.iconIndex, 0);
    }
}

TEST_F(SetupWizard, CancelEndsAtOnceAndTakesBackEverythingTheRunMade) {
    // -2: on the welcome page; -1: on the folder page; else after that tick.
    for (const int tick : {-2, -1, 0, 5, 15, 50, 89, 90, 95}) {
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
        EXPECT_TRUE(entryValues().empty());
        EXPECT_FALSE(exists(root / "Programs of mine")) << "the folders the run made, and their files";
        EXPECT_TRUE(boxes.asked.empty()) << "everything was taken back";
    }
    // Closing the window ends the program as well.
    package(packageBytes(productEntries()));
    EXPECT_THROW(start().unload(), forms::ProgramEnded);
}

TEST_F(SetupWizard, AFailureTakesBackWhatTheRunMadeAndTheCompletionWindowSaysWhat) {
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
        int stopsAt;         // the tick of the failing step; 0 while extracting or later
    } cases[] = {
        {"missing package", [](SetupWizard& t) { t.package(""); std::filesystem::remove(t.root / "setup/Data.set"); },
         "cannot be opened", 10},
        {"truncated package", [&](SetupWizard& t) { t.package(whole.substr(0, whole.size() - 7)); },
         "runs past the end of the file", 10},
        {"size field damaged", [&](SetupWizard& t) { t.package(whole.substr(0, 22) + "x" + whole.substr(23)); },
         "cannot be read", 10},
        {"no uninstaller", [&](SetupWizard& t) { t.package(packageBytes(noUninstaller)); }, "does not hold Uninstall.exe",
         10},
        {"empty uninstaller", [&](SetupWizard& t) { t.package(packageBytes(emptyUninstaller)); },
         "Uninstall.exe in the package " + joinPath(root / "setup", "Data.set") + " is not a Windows program: it is empty.",
         10},
        // A file of an earlier install that the user made read-only is named;
        // it stays, and so does the folder it keeps.
        {"installed file made read-only", [&](SetupWizard& t) {
             t.package(whole);
             std::filesystem::create_directories(t.folder());
             writeBytes(t.folder() + "/Uninstall.exe", "the user's");
             std::filesystem::permissions(t.folder() + "/Uninstall.exe", std::filesystem::perms::owner_read);
         }, "Could not write " + joinPath(folder(), "Uninstall.exe") + ": cannot write the extracted file: it is read-only.",
         0},
        {"folder cannot be made", [&](SetupWizard& t) {
             t.package(whole);
             writeBytes(t.root / "Programs of mine", "a file where the folder's parent would be");
         }, "could not be made", 5},
        // Entry 2 of 3 cannot be written: a folder has its name.
        {"second entry fails", [&](SetupWizard& t) {
             t.package(whole);
             std::filesystem::create_directories(t.folder() + "/Uninstall.exe");
         }, "Could not write", 0},
        {"registry refuses", [&](SetupWizard& t) { t.package(whole); t.registry.writable = false; },
         "could not be added to the installed programs", 90},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(root / "Programs of mine");
        registry = {};
        shortcuts.saved.clear();
        c.arrange(*this);
        const std::string before = listTree(root / "Programs of mine");
        setup::Form1& form = start();
        installer->startInto(folder());
        installer->runOut();

        EXPECT_TRUE(form.doneForm.visible());
        EXPECT_FALSE(form.visible());
        EXPECT_EQ(form.doneForm.caption(), "Install failed");
        EXPECT_EQ(form.doneForm.Label1.caption(), "Install failed!");
        EXPECT_NE(form.doneForm.ThankYouLabel.caption().find(c.reason), std::string::npos)
            << form.doneForm.ThankYouLabel.caption();
        EXPECT_EQ(form.doneForm.ThankYouLabel.caption().find("could not remove"), std::string::npos);
        EXPECT_FALSE(form.doneForm.Check1.visible());
        EXPECT_TRUE(entryValues().empty());
        if (c.stopsAt) {
            EXPECT_EQ(form.StepCounter, c.stopsAt);
        } else {
            EXPECT_LT(form.StepCounter, 89);
        }
        // Exactly what was there before the run: the files and folders it made are gone.
        EXPECT_EQ(listTree(root / "Programs of mine"), before);
        EXPECT_THROW(form.doneForm.Command1.press(), forms::ProgramEnded);
        EXPECT_TRUE(shortcuts.saved.empty());
    }
}

// Over an earlier installation a failed or cancelled run keeps that
// installation: its files (replaced ones keep their new bytes), its record
// and its entry.
TEST_F(SetupWizard, TakingBackOverAnEarlierInstallationKeepsIt) {
    package(packageBytes(productEntries(1)));
    start();
    installer->startInto(folder());
    installer->runOut();
    const std::string record = readBytes(joinPath(folder(), "Install record.txt"));
    // The entry as an earlier version wrote it, without some of today's
    // values: taking back removes those again.
    registry.keys[{RegistryRoot::LocalMachine, kKey}].erase("QuietUninstallString");
    registry.dwords[{RegistryRoot::LocalMachine, kKey}].erase("NoRepair");
    const auto entry = entryValues();
    const auto numbers = entryNumbers();
    ASSERT_EQ(entry.size(), 7u);

    Entries more = productEntries(2);
    more.emplace_back("extra.dat", std::string(20000, 'x'));  // a larger size in the entry
    for (const bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "Cancel at tick 95" : "the registry refuses");
        package(packageBytes(more));
        registry.writable = cancel;
        setup::Form1& form = start();
        installer->startInto(folder());
        if (cancel) {
            installer->runTo(95);
            EXPECT_THROW(form.Command8.press(), forms::ProgramEnded);
        } else {
            installer->runOut();
            EXPECT_EQ(form.doneForm.caption(), "Install failed");
        }
        EXPECT_TRUE(boxes.asked.empty()) << "an installation of the product asks nothing";
        EXPECT_EQ(listTree(folder()), "Corvane Lumetra.exe;Install record.txt;Uninstall.exe;readme.txt;");
        EXPECT_EQ(readBytes(joinPath(folder(), "Install record.txt")), record);
        EXPECT_EQ(entryValues(), entry);
        EXPECT_EQ(entryNumbers(), numbers) << "the earlier size, not this run's";
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
    EXPECT_EQ(entryValues().size(), 8u);
}

TEST_F(SetupWizard, InstallingAgainReplacesTheFilesAndTheEntry) {
    for (const unsigned seed : {1u, 9u}) {
        SCOPED_TRACE(seed);
        package(packageBytes(productEntries(seed)));
        setup::Form1& form = start();
        installer->startInto(folder());
        installer->runOut();
        EXPECT_EQ(form.doneForm.caption(), "Install complete!") << form.doneForm.ThankYouLabel.caption();
        for (const auto& [name, data] : productEntries(seed)) EXPECT_EQ(readBytes(folder() + "/" + name), data);
        EXPECT_EQ(entryValues().at("UninstallString"), "\"" + joinPath(folder(), "Uninstall.exe") + "\"");
        EXPECT_THROW(form.doneForm.Command1.press(), forms::ProgramEnded);
        EXPECT_EQ(shortcuts.saved.size(), 1u);
    }
}

// A run from the command line: the same schedule with no window (or only
// the progress page), questions answered with their defaults, "Done" pressed
// for the user, and the log and the exit status saying how it went.
TEST_F(SetupWizard, ASilentRunInstallsOrEndsWithItsReasonInTheLogAndTheStatus) {
    using wizard::Quiet;
    const std::string mine = root / "Mine";
    const struct {
        const char* what;
        Quiet quiet;
        std::string dir;
        bool noIcons;
        int busyChecks;  // the program runs for this many checks
        int status;
        std::vector<std::string> logged;  // in this order
    } cases[] = {
        // A folder with the user's files: the default answer goes on.
        {"silent, no icons, a user's folder", Quiet::Silent, mine, true, 0, 0,
         {"Question: The folder " + mine + " already exists", "Answer: Yes (the default).", "Shortcut: none",
          "Result: done, exit status 0"}},
        {"a folder that cannot be used", Quiet::VerySilent, "Programs\\Corvane", false, 0, 1,
         {"Failed: The folder \"Programs\\Corvane\" cannot be used", "Result: failed, exit status 1: The folder"}},
        // The default answer to a running program is Cancel.
        {"the program runs", Quiet::VerySilent, folder(), false, 5, 2,
         {"Question: Corvane Lumetra is running.", "Answer: Cancel (the default).", "Result: cancelled, exit status 2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(root / "Programs of mine");
        std::filesystem::remove_all(mine);
        std::filesystem::create_directories(mine);
        writeBytes(mine + "/letter.txt", "the user's");
        registry = {};
        shortcuts.saved.clear();
        boxes = {};
        package(packageBytes(productEntries()));
        platform::StandardFileSystem files;
        wizard::RunReport report;
        ASSERT_EQ(report.openLog(files, root / "setup.log").reason(), "");
        wizard::Switches switches;
        switches.quiet = c.quiet;
        switches.dir = c.dir;
        switches.noIcons = c.noIcons;
        switches.suppressMessageBoxes = true;
        wizard::QuietBoxes quiet(boxes, report, switches);
        installer = std::make_unique<Installer>(root, registry, shortcuts, quiet, false);
        installer->files.busyChecks = c.busyChecks;
        setup::Form1& form = installer->form;
        form.reportTo(report);
        bool pageShown = false;
        EXPECT_THROW(
            {
                form.start(switches);
                pageShown = form.visible() && form.Pas3.visible() && !form.Pas1.visible();
                installer->runOut();
            },
            forms::ProgramEnded);
        report.finish();

        EXPECT_EQ(report.status(), c.status);
        EXPECT_TRUE(boxes.asked.empty()) << "nobody is there to answer";
        EXPECT_FALSE(form.doneForm.visible());
        EXPECT_EQ(pageShown, c.quiet == Quiet::Silent && c.status == 0);
        EXPECT_EQ(shortcuts.saved.size(), c.status == 0 && !c.noIcons ? 1u : 0u);
        EXPECT_EQ(entryValues().size(), c.status == 0 ? 8u : 0u);
        if (c.status != 0) {
            EXPECT_FALSE(exists(root / "Programs of mine"));
        }
        const std::string log = readBytes(root / "setup.log");
        std::size_t at = 0;
        for (const std::string& line : c.logged) {
            const std::size_t found = log.find(line, at);
            ASSERT_NE(found, std::string::npos) << line << "\n in:\n" << log;
            at = found + line.size();
        }
    }
}

} // namespace
