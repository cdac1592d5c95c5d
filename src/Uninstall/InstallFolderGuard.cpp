#include "Uninstall/InstallFolderGuard.h"

#include "platform/path_compare.h"
#include "platform/paths.h"

namespace uninstall {

bool isInstallFolder(platform::FileSystem& files, const FolderFacts& facts) {
    const std::optional<std::string> folder = platform::normalForm(files, facts.folder);
    if (!folder || platform::isRootOnly(*folder)) return false;
    if (const auto windows = platform::normalForm(files, facts.windowsFolder);
        windows && platform::isSameOrInside(*folder, *windows))
        return false;
    if (facts.record && record::lists(files, *facts.record, facts.programFile)) return true;
    return facts.uninstallCommand &&
           platform::samePath(files, platform::commandPath(*facts.uninstallCommand), facts.programFile);
}

} // namespace uninstall
