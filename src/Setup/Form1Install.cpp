// The install schedule: one step per InstallTimer tick, the texts and the bar
// of the progress page. The first failure stops everything, takes back what
// the run made and is reported on the completion window, which never calls a
// failed installation complete.
#include "Setup/Form1.h"

#include "InstallRecord/InstallRecord.h"
#include "Product.h"
#include "Setup/AddRemovePrograms.h"
#include "Setup/PackageCheck.h"
#include "Package/entry_name.h"
#include "core/errors.h"
#include "platform/paths.h"

namespace setup {

namespace {

struct Row {
    short tick;
    const char* status;
};
// The status texts stay up until the next row replaces them.
constexpr Row kSchedule[] = {
    {1, "Begin installation..."},
    {5, "Making folders..."},
    {10, "Check package..."},
    {15, "Extract files from Data.dat file..."},
    {40, "Copy files..."},
    {80, "Register variabiles if needed..."},
    {90, "Add to Add and Remove Programs..."},
    {100, "Done!..."},
};
constexpr short kUninstallEntryTick = 90;
constexpr int kBarGrowth = 60;  // twips a tick

} // namespace

void Form1::InstallTimer_Timer() {
    // The uninstall entry names files that must be there: while the walk
    // still has entries to write, the schedule waits before its tick 90. A
    // package of a few hundred entries outlasts the ticks otherwise.
    if (StepCounter == kUninstallEntryTick - 1 && walkRunning()) return;
    rt::ResumeNext steps;
    steps([&] { StepCounter = static_cast<short>(StepCounter + 1); });
    steps([&] {
        if (StepCounter != 100) return;
        // Complete: from here on nothing is taken back.
        takeBack_.keep();
        stopTimers();
        showCompletion();
    });
    steps([&] { Bar.move(Bar.left(), Bar.top(), Bar.width() + kBarGrowth, Bar.height()); });
    steps([&] { runScheduleRow(); });
}

void Form1::runScheduleRow() {
    for (const Row& row : kSchedule) {
        if (row.tick != StepCounter) continue;
        Status.setCaption(row.status);
        switch (row.tick) {
        case 5: makeInstallFolder(); break;
        case 10:
            dezarhivator.Text2.setText(platform::joinPath(system_.folders.programFolder(), product::kPackage));
            dezarhivator.Text4.setText(Cale.text());
            checkPackage();
            break;
        case 15:
            noteFilesToCreate();
            dezarhivator.ExtrageFisierele();
            break;
        case kUninstallEntryTick:
            if (writeInstallRecord()) addUninstallEntry();
            break;
        default: break;
        }
    }
}

void Form1::makeInstallFolder() {
    if (Cale.text().empty()) {
        fail("No install folder was given.");
        return;
    }
    const platform::MadeFolders made = platform::makeFolderPath(system_.files, Cale.text());
    madeFolders_ = made.created;
    takeBack_.madeFolders(made.created);
    if (!made.ok)
        fail("The folder " + Cale.text() + " could not be made: the drive may not exist, or you may not write there.");
}

bool Form1::checkPackage() {
    const auto problem =
        packageProblem(system_.files, dezarhivator.Text2.text(), {ProductName + ".exe", std::string(product::kUninstaller)});
    if (problem) fail(*problem);
    return !problem;
}

// Which of the package's files are new here: only those are taken back. A
// file of an earlier installation that the package replaces stays.
void Form1::noteFilesToCreate() {
    for (int row = 0; row < dezarhivator.List2.ListCount(); ++row) {
        const std::string path = package::entryPathIn(Cale.text(), dezarhivator.List2.List(row));
        if (!system_.files.fileExists(path) && !system_.files.folderExists(path)) takeBack_.willCreate(path);
    }
}

void Form1::entryExtracted(const std::string& name, const std::string& problem) {
    const std::string path = package::entryPathIn(Cale.text(), name);
    if (!problem.empty()) {
        fail("Could not write " + path + ": " + problem + ".");
        return;
    }
    filesWritten_.push_back(path);
    const std::string written = package::lowerAscii(name);
    if (written == package::lowerAscii(ProductName + ".exe") || written == package::lowerAscii(product::kUninstaller))
        programsWritten_.insert(written);
}

// The record lists what this installation wrote and made, added to what an
// earlier installation into the folder recorded.
bool Form1::writeInstallRecord() {
    const std::string path = record::pathIn(Cale.text());
    const std::optional<std::string> before = system_.files.readFile(path);
    const std::optional<record::InstallRecord> earlier = before ? record::parse(*before) : std::nullopt;
    const record::InstallRecord now{filesWritten_, madeFolders_};
    takeBack_.willWriteRecord(path, before);
    const platform::WriteResult written =
        platform::writeWholeFile(system_.files, path, record::format(earlier ? record::merged(*earlier, now) : now));
    if (!written) fail("Could not write " + path + ": " + written.failure + ".");
    return static_cast<bool>(written);
}

void Form1::addUninstallEntry() {
    // Never list a product whose programs are not in the folder.
    if (programsWritten_.size() < 2) {
        fail(ProductName + " was not added to the installed programs: its programs were not extracted.");
        return;
    }
    const std::string key = uninstallKey(ProductName);
    const auto before = [&](const char* value) {
        return system_.registry.readString(platform::RegistryRoot::LocalMachine, key, value);
    };
    takeBack_.willWriteEntry(key, {before("DisplayName"), before("UninstallString")});
    const std::string uninstaller = platform::joinPath(Cale.text(), product::kUninstaller);
    if (!AddUninstallEntry(system_.registry, ProductName, quotedCommand(uninstaller)))
        fail(ProductName + " could not be added to the installed programs: the registry refused the entry "
                           "(installing needs an administrator).");
}

void Form1::fail(const std::string& reason) {
    if (!firstFailure_.empty()) return;
    firstFailure_ = reason;
    stopTimers();
    const std::vector<std::string> stayed = takeBack_.takeBack(system_.files, system_.registry);
    if (!stayed.empty()) firstFailure_ += " Setup could not remove: " + describeList(stayed) + ".";
    showCompletion();
}

void Form1::stopTimers() {
    InstallTimer.setEnabled(false);
    dezarhivator.Extractor.setEnabled(false);
}

// The completion window takes over; this window's work is done.
void Form1::showCompletion() {
    if (!firstFailure_.empty()) doneForm.showFailure(firstFailure_);
    doneForm.load();
    doneForm.show();
    hide();
}

bool Form1::walkRunning() const { return dezarhivator.Extractor.running(); }

} // namespace setup
