// The install schedule: one step per InstallTimer tick, the texts and the bar
// of the progress page, and what the installer remembers of failures so that
// the completion window never reports a failed installation as complete.
#include "Setup/Form1.h"

#include "Product.h"
#include "Setup/AddRemovePrograms.h"
#include "Setup/PackageCheck.h"
#include "Package/entry_name.h"
#include "core/errors.h"

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
        if (StepCounter == 100) stopSchedule();
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
            dezarhivator.Text2.setText(system_.folders.programFolder() + "\\" + product::kPackage);
            dezarhivator.Text4.setText(Cale.text());
            if (!checkPackage()) stopSchedule();
            break;
        case 15: dezarhivator.ExtrageFisierele(); break;
        case kUninstallEntryTick: addUninstallEntry(); break;
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
    if (!made.ok)
        fail("The folder " + Cale.text() + " could not be made: the drive may not exist, or you may not write there.");
}

bool Form1::checkPackage() {
    const auto problem =
        packageProblem(dezarhivator.Text2.text(), {ProductName + ".exe", std::string(product::kUninstaller)});
    if (!problem) return true;
    fail(*problem);
    // Take back the folders tick 5 made, as long as nothing has been put in them.
    for (auto level = madeFolders_.rbegin(); level != madeFolders_.rend(); ++level)
        if (!system_.files.removeEmptyFolder(*level)) break;
    return false;
}

void Form1::entryExtracted(const std::string& name, const std::string& problem) {
    if (!problem.empty()) {
        fail("Could not write " + package::entryPathIn(Cale.text(), name) + ": " + problem + ".");
        return;
    }
    const std::string written = package::lowerAscii(name);
    if (written == package::lowerAscii(ProductName + ".exe") || written == package::lowerAscii(product::kUninstaller))
        programsWritten_.insert(written);
}

void Form1::addUninstallEntry() {
    // Never list a product whose programs are not in the folder.
    if (programsWritten_.size() < 2) {
        fail(ProductName + " was not added to the installed programs: its programs were not extracted.");
        return;
    }
    const std::string uninstaller = Cale.text() + "\\" + product::kUninstaller;
    if (!AddUninstallEntry(system_.registry, ProductName, quotedCommand(uninstaller)))
        fail(ProductName + " could not be added to the installed programs: the registry refused the entry "
                           "(installing needs an administrator).");
}

void Form1::fail(const std::string& reason) {
    if (firstFailure_.empty()) firstFailure_ = reason;
}

// Ends the ticks and leaves the completion window in charge.
void Form1::stopSchedule() {
    InstallTimer.setEnabled(false);
    showCompletion();
    hide();
}

void Form1::showCompletion() {
    if (!firstFailure_.empty()) doneForm.showFailure(firstFailure_);
    doneForm.load();
    doneForm.show();
}

bool Form1::walkRunning() const { return dezarhivator.Extractor.running(); }

} // namespace setup
