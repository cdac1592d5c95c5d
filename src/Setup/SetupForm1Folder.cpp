// The install-folder page. "Browse..." picks a folder for the box; the line
// under the box says how much room the package needs. The checks on "Next >":
// a folder that could never be a sound install folder is refused with the
// reason and an example; a drive without room for the package is refused
// with both amounts; a folder that holds someone's files is confirmed unless
// it is an installation of the product; a running copy of the product is
// asked about before anything is made.
#include "Setup/SetupForm1.h"

#include "InstallRecord/InstallRecord.h"
#include "Product.h"
#include "Setup/PackageSpace.h"
#include "Setup/OtherInstall.h"
#include "Setup/SetupTexts.h"
#include "Wizard/LogTarget.h"
#include "UninstallEntry/UninstallEntry.h"
#include "Wizard/RunningProgram.h"
#include "platform/drive_space.h"
#include "platform/folder_check.h"
#include "platform/path_compare.h"
#include "platform/paths.h"

namespace setup {

using platform::Answer;
using platform::BoxIcon;
using platform::Buttons;

bool Form1::acceptFolder() {
    const rt::Outcome<std::string> folder =
        platform::checkInstallFolder(system_.files, Cale.text(), system_.folders.windowsFolder());
    const std::string example = platform::joinPath("C:\\Program Files", ProductName);
    if (!folder) {
        const bool blank = Cale.text().find_first_not_of(" \t") == std::string::npos;
        system_.boxes.ask(blank ? wizard::say(texts::kNoFolderChooseAnother, {example})
                                : wizard::say(texts::kFolderRefused, {Cale.text(), folder.reason(), example}),
                          caption(), Buttons::Ok, BoxIcon::Warning);
    } else {
        Cale.setText(*folder);
        // A second copy beside an installation elsewhere is asked about first.
        if (logKept(*folder) && userRecordKept(*folder) && enoughSpace(*folder) &&
            secondCopyWanted(system_.files, system_.registry, system_.boxes, ProductName, *folder, caption(), hive()) &&
            askAboutOtherFiles(*folder))
            return programClosed(*folder);
    }
    Cale.setFocus();
    Cale.selectAll();
    return false;
}

// A log held until now (the wizard's) may not name a file of the
// installation in the folder; the page stays, and the log is not written.
bool Form1::logKept(const std::string& folder) {
    const std::string log = report().heldLog();
    if (log.empty()) return true;
    const rt::Outcome<> allowed = wizard::logAllowed(system_.files, log, {wizard::installationFiles(folder), {}});
    if (allowed) return true;
    system_.boxes.ask(allowed.reason() + "\n\nPlease choose another folder, or start Setup again with another /LOG file.",
                      caption(), Buttons::Ok, BoxIcon::Warning);
    return false;
}

// A file (or folder) named as the install record that is not one is the
// user's: installing would replace it, so the folder is refused.
bool Form1::userRecordKept(const std::string& folder) {
    const std::string path = record::pathIn(folder);
    if (!isUserRecord(system_.files, folder)) return true;
    system_.boxes.ask("The folder " + folder + " holds " + path + ", which is not " + ProductName +
                          "'s install record. Rename that " +
                          (system_.files.folderExists(path) ? "folder" : "file") + ", or choose another folder.",
                      caption(), Buttons::Ok, BoxIcon::Warning);
    return false;
}

bool isUserRecord(platform::FileSystem& files, const std::string& folder) {
    const std::string path = record::pathIn(folder);
    if (files.folderExists(path)) return true;
    if (!files.fileExists(path)) return false;
    const rt::Outcome<std::string> text = record::readText(files, folder);
    return !text || !record::parse(*text);
}

// True unless the drive that will hold the folder is known to be short of
// the package's size. When either amount is unknown (an unreadable package,
// a drive the system says nothing about) the install goes ahead, and the
// step that fails says why.
bool Form1::enoughSpace(const std::string& folder) {
    if (!spaceNeeded_) return true;
    const rt::Outcome<std::uint64_t> free = platform::freeSpaceFor(system_.files, folder);
    const auto needed = static_cast<std::uint64_t>(*spaceNeeded_);
    if (!free || *free >= needed) return true;
    system_.boxes.ask(wizard::say(texts::kNoRoom, {ProductName, folder, describeBytes(needed, Rounding::Up),
                                                   describeBytes(*free, Rounding::Down)}),
                      caption(), Buttons::Ok, BoxIcon::Warning);
    return false;
}

void Form1::showSpaceNeeded() {
    spaceNeeded_ = packageSpaceNeeded(system_.files, platform::joinPath(system_.folders.programFolder(), product::kPackage));
    Label6.setCaption(spaceNeeded_ ? wizard::say(texts::kSpaceNeeded,
                                                 {describeBytes(static_cast<std::uint64_t>(*spaceNeeded_), Rounding::Up)})
                                   : std::string());
}

// The picker opens where the box points (its nearest existing folder); the
// folder chosen gets the product's own folder inside it, unless it is one
// already. Cancelled, the box keeps its text.
void Form1::Command9_Click() {
    platform::FolderRequest request;
    request.owner = hWnd();
    request.title = wizard::say(texts::kPickerTitle, {ProductName});
    request.start = platform::nearestExistingFolder(system_.files, Cale.text()).value_or("");
    const std::optional<std::string> chosen = system_.picker.pickFolder(request);
    if (!chosen) return;
    const std::string folder = platform::normalFormOfText(*chosen).value_or(*chosen);
    Cale.setText(platform::sameTextIgnoringCase(platform::fileNameOf(folder), ProductName)
                     ? folder
                     : platform::joinPath(folder, ProductName));
}

// True when the install may go into the folder as far as its files go.
bool Form1::askAboutOtherFiles(const std::string& folder) {
    const auto names = system_.files.listFiles(folder);
    if (!names || names->empty() || isProductInstallation(folder)) return true;
    return system_.boxes.ask(wizard::say(texts::kOtherFiles, {folder, ProductName}), caption(), Buttons::YesNo, BoxIcon::Question) == Answer::Yes;
}

// Its install record, or the uninstall entry, names the uninstaller in it.
bool Form1::isProductInstallation(const std::string& folder) {
    const std::string uninstaller = platform::joinPath(folder, product::kUninstaller);
    if (const auto earlier = record::read(system_.files, folder); earlier && record::lists(system_.files, *earlier, uninstaller))
        return true;
    const auto command = system_.registry.readString(hive(), entry::uninstallKey(ProductName), "UninstallString");
    return command && platform::samePath(system_.files, platform::commandPath(*command), uninstaller);
}

// A running copy of the product in the folder could not be replaced: the
// user closes it (Retry) or stops the installation (Cancel), before anything
// is made.
bool Form1::programClosed(const std::string& folder) {
    if (!wizard::programClosed(system_.files, system_.boxes, platform::joinPath(folder, ProductName + ".exe"),
                               wizard::say(texts::kRunning, {ProductName}),
                               caption()))
        endProgram();
    return true;
}

} // namespace setup
