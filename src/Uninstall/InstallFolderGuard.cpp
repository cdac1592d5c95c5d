#include "Uninstall/InstallFolderGuard.h"

#include "Product.h"
#include "platform/path_compare.h"
#include "platform/paths.h"

namespace uninstall {

namespace {

// The uninstaller an installation names lies in the folder this program runs
// from (by normal form) and is this very program (by normal form or
// identity). A hard or symbolic link elsewhere shares the file but not the
// folder, and its folder is not the installation's.
bool runsAs(platform::FileSystem& files, const std::string& folder, const std::string& named,
            const std::string& programFile) {
    const std::optional<std::string> normal = platform::normalForm(files, named);
    return normal && platform::sameTextIgnoringCase(platform::parentFolder(*normal), folder) &&
           platform::samePath(files, *normal, programFile);
}

} // namespace

bool isInstallFolder(platform::FileSystem& files, const FolderFacts& facts) {
    const std::optional<std::string> folder = platform::normalForm(files, facts.folder);
    if (!folder || platform::isRootOnly(*folder)) return false;
    if (const auto windows = platform::normalForm(files, facts.windowsFolder);
        windows && platform::isSameOrInside(*folder, *windows))
        return false;
    if (facts.record) {
        // Only the lines of this folder, picked by their text: a record of
        // any length costs a few calls here.
        for (const std::string& file : record::within(*facts.record, *folder).files)
            if (platform::sameTextIgnoringCase(platform::fileNameOf(file), product::kUninstaller) &&
                runsAs(files, *folder, file, facts.programFile))
                return true;
    }
    return facts.uninstallCommand &&
           runsAs(files, *folder, platform::commandPath(*facts.uninstallCommand), facts.programFile);
}

} // namespace uninstall
