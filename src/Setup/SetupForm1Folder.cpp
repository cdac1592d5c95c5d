// The checks on "Next >" of the install-folder page: a folder that could
// never be a sound install folder is refused with the reason and an example;
// a folder that holds someone's files is confirmed unless it is an
// installation of the product; a running copy of the product is asked about
// before anything is made.
#include "Setup/SetupForm1.h"

#include "InstallRecord/InstallRecord.h"
#include "Product.h"
#include "Setup/OtherInstall.h"
#include "Setup/SetupAddRemovePrograms.h"
#include "Wizard/RunningProgram.h"
#include "platform/folder_check.h"
#include "platform/path_compare.h"
#include "platform/paths.h"

namespace setup {

using platform::Answer;
using platform::BoxIcon;
using platform::Buttons;

bool Form1::acceptFolder() {
    const platform::FolderCheck check =
        platform::checkInstallFolder(system_.files, Cale.text(), system_.folders.windowsFolder());
    const std::string example = platform::joinPath("C:\\Program Files", ProductName);
    if (!check) {
        const bool blank = Cale.text().find_first_not_of(" \t") == std::string::npos;
        const std::string what = blank ? std::string("No install folder was given.")
                                       : "The folder \"" + Cale.text() + "\" cannot be used: " + *check.problem;
        system_.boxes.ask(what + "\n\nPlease choose another folder, for example " + example + ".", caption(), Buttons::Ok,
                          BoxIcon::Warning);
    } else {
        Cale.setText(check.normal);
        // A second copy beside an installation elsewhere is asked about first.
        if (secondCopyWanted(system_.files, system_.registry, system_.boxes, ProductName, check.normal, caption()) &&
            askAboutOtherFiles(check.normal))
            return programClosed(check.normal);
    }
    Cale.setFocus();
    Cale.selectAll();
    return false;
}

// True when the install may go into the folder as far as its files go.
bool Form1::askAboutOtherFiles(const std::string& folder) {
    const auto names = system_.files.listFiles(folder);
    if (!names || names->empty() || isProductInstallation(folder)) return true;
    return system_.boxes.ask("The folder " + folder + " already exists and holds other files. Install " + ProductName +
                                 " there anyway? Your own files will be kept.",
                             caption(), Buttons::YesNo, BoxIcon::Question) == Answer::Yes;
}

// Its install record, or the uninstall entry, names the uninstaller in it.
bool Form1::isProductInstallation(const std::string& folder) {
    const std::string uninstaller = platform::joinPath(folder, product::kUninstaller);
    if (const auto earlier = record::read(system_.files, folder); earlier && record::lists(system_.files, *earlier, uninstaller))
        return true;
    const auto command =
        system_.registry.readString(platform::RegistryRoot::LocalMachine, uninstallKey(ProductName), "UninstallString");
    return command && platform::samePath(system_.files, platform::commandPath(*command), uninstaller);
}

// A running copy of the product in the folder could not be replaced: the
// user closes it (Retry) or stops the installation (Cancel), before anything
// is made.
bool Form1::programClosed(const std::string& folder) {
    if (!wizard::programClosed(system_.files, system_.boxes, platform::joinPath(folder, ProductName + ".exe"),
                               ProductName + " is running. Close it, then press Retry. Cancel stops the installation.",
                               caption()))
        forms::endProgram();
    return true;
}

} // namespace setup
