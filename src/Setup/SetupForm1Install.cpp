// The install schedule: one row per tick that does something, with its text
// on the progress page. The first failure stops everything, takes back what
// the run made and is reported on the completion window, which never calls a
// failed installation complete.
#include "Setup/SetupForm1.h"

#include "InstallRecord/InstallRecord.h"
#include "Product.h"
#include "Setup/OtherInstall.h"
#include "Setup/PackageCheck.h"
#include "Setup/SetupTexts.h"
#include "Package/entry_name.h"
#include "UninstallEntry/UninstallEntry.h"
#include "platform/paths.h"

#include <algorithm>

namespace setup {

namespace {
constexpr std::int16_t kUninstallEntryTick = 90;
} // namespace

const wizard::ScheduleRow<Form1> Form1::kSchedule[] = {
    {1, texts::kStepBegin},
    {5, texts::kStepFolders, &Form1::makeInstallFolder},
    {10, texts::kStepCheck, &Form1::checkPackage},
    {15, texts::kStepExtract, &Form1::startExtraction},
    {40, texts::kStepCopy},
    {80, texts::kStepRegister},
    {kUninstallEntryTick, texts::kStepEntry, &Form1::registerInstallation},
    {wizard::kLastTick, texts::kStepDone},
};

void Form1::InstallTimer_Timer() {
    // The uninstall entry names files that must be there: while the walk
    // still has entries to write, the schedule waits before its tick 90. A
    // package of a few hundred entries outlasts the ticks otherwise.
    if (StepCounter == kUninstallEntryTick - 1 && walkRunning()) return;
    runTick(kSchedule, &Form1::completeInstall);
}

void Form1::completeInstall() {
    // From here on nothing is taken back.
    takeBack_.keep();
    report().succeeded(ProductName + " " + product::kVersion + " was installed in " + Cale.text() + ".");
    stopTimers();
    showCompletion();
}

void Form1::makeInstallFolder() {
    if (Cale.text().empty()) {
        fail(wizard::say(texts::kNoFolder));
        return;
    }
    const platform::MadeFolders made = platform::makeFolderPath(system_.files, Cale.text());
    madeFolders_ = made.created;
    takeBack_.madeFolders(made.created);
    if (!made.outcome) {
        fail(wizard::say(texts::kFolderNotMade, {Cale.text()}));
        return;
    }
    report().step("Folder: " + Cale.text() + (made.created.empty() ? " (it was there)" : " (made)"));
}

void Form1::checkPackage() {
    dezarhivator.Text2.setText(platform::joinPath(system_.folders.programFolder(), product::kPackage));
    dezarhivator.Text4.setText(Cale.text());
    const rt::Outcome<> installable = packageInstallable(system_.files, dezarhivator.Text2.text(),
                                                         {ProductName + ".exe", std::string(product::kUninstaller)});
    if (!installable) {
        fail(installable.reason());
        return;
    }
    report().step("Package: " + dezarhivator.Text2.text() + " is whole: " + std::to_string(dezarhivator.List2.ListCount()) +
                  " entries, both programs are Windows programs.");
}

void Form1::startExtraction() {
    noteFilesToCreate();
    dezarhivator.ExtrageFisierele();
}

// Which of the package's files are new here: only those are taken back. A
// file of an earlier installation that the package replaces stays.
void Form1::noteFilesToCreate() {
    for (int row = 0; row < dezarhivator.List2.ListCount(); ++row) {
        const std::string path = package::entryPathIn(Cale.text(), dezarhivator.List2.List(row));
        if (!system_.files.fileExists(path) && !system_.files.folderExists(path)) takeBack_.willCreate(path);
    }
}

void Form1::entryExtracted(const std::string& name, const rt::Outcome<>& written) {
    const std::string path = package::entryPathIn(Cale.text(), name);
    if (!written) {
        fail(wizard::say(texts::kCouldNotWrite, {path, written.reason()}));
        return;
    }
    filesWritten_.push_back(path);
    report().step("Wrote: " + path);
    const std::string lowered = package::lowerAscii(name);
    if (lowered == package::lowerAscii(ProductName + ".exe") || lowered == package::lowerAscii(product::kUninstaller))
        if (std::find(programsWritten_.begin(), programsWritten_.end(), lowered) == programsWritten_.end())
            programsWritten_.push_back(lowered);
}

void Form1::registerInstallation() {
    if (writeInstallRecord()) addUninstallEntry();
}

// The record lists what this installation wrote and made, added to what an
// earlier installation into the folder recorded, and the copies elsewhere
// whose entry this one takes over.
bool Form1::writeInstallRecord() {
    const std::string path = record::pathIn(Cale.text());
    // Read whole, so that a failure puts back exactly what was there.
    const rt::Outcome<std::string> read = system_.files.readFile(path);
    const std::optional<std::string> before = read ? std::optional<std::string>(*read) : std::nullopt;
    // The folder page refused a user's file of that name; one that came since
    // (or one that cannot be read back) is kept all the same, and the install
    // fails before touching it.
    if (isUserRecord(system_.files, Cale.text()) || (!before && system_.files.fileExists(path))) {
        fail(path + " is not " + ProductName + "'s install record; it was kept. Rename it and install again.");
        return false;
    }
    const std::optional<record::InstallRecord> earlier = before ? record::parse(*before) : std::nullopt;
    const record::InstallRecord now{filesWritten_, madeFolders_,
                                    replacedCopies(system_.files, system_.registry, ProductName, Cale.text(), hive()),
                                    mode_ == wizard::InstallMode::CurrentUser};
    takeBack_.willWriteRecord(path, before);
    const rt::Outcome<> written =
        platform::writeWholeFile(system_.files, path, record::format(earlier ? record::merged(*earlier, now) : now));
    if (!written) {
        fail(wizard::say(texts::kCouldNotWrite, {path, written.reason()}));
        return false;
    }
    report().step("Record: " + path);
    return true;
}

void Form1::addUninstallEntry() {
    // Never list a product whose programs are not in the folder.
    if (programsWritten_.size() < 2) {
        fail(wizard::say(texts::kNotExtracted, {ProductName}));
        return;
    }
    const std::vector<entry::EntryValue> values =
        entry::uninstallEntryValues({ProductName, Cale.text(), entry::bytesOfFiles(system_.files, filesWritten_)});
    takeBack_.willWriteEntry(system_.registry, hive(), entry::uninstallKey(ProductName), values);
    if (!entry::AddUninstallEntry(system_.registry, ProductName, values, hive())) {
        fail(wizard::say(hive() == platform::RegistryRoot::LocalMachine ? texts::kEntryRefused : texts::kUserEntryRefused,
                         {ProductName}));
        return;
    }
    report().step("Entry: " + ProductName + " is listed in Add and Remove Programs (" +
                  std::string(product::kUninstallKeyParent) + ProductName + ", " +
                  entry::rootAndView(system_.registry, hive()) + ").");
}

void Form1::fail(const std::string& reason) {
    if (!firstFailure_.empty()) return;
    firstFailure_ = reason;
    stopTimers();
    const std::vector<std::string> stayed = takeBack_.takeBack(system_.files, system_.registry);
    if (!stayed.empty()) firstFailure_ = wizard::say(texts::kAlsoStayed, {firstFailure_, describeList(stayed)});
    report().failed(firstFailure_);
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
    // Nobody is there to press "Done" in a silent run.
    if (quiet_ != wizard::Quiet::Shown) doneForm.Command1.press();
    doneForm.show();
    hide();
}

bool Form1::walkRunning() const { return dezarhivator.Extractor.running(); }

} // namespace setup
