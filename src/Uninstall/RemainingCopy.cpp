#include "Uninstall/RemainingCopy.h"

#include "InstallRecord/InstallRecord.h"
#include "Product.h"
#include "platform/paths.h"

namespace uninstall {

std::optional<entry::InstalledProduct> remainingCopy(platform::FileSystem& files, const std::string& productName,
                                                     const std::vector<std::string>& replaced) {
    for (const std::string& folder : replaced) {
        const std::string uninstaller = platform::joinPath(folder, product::kUninstaller);
        const auto copy = record::read(files, folder);
        // A copy that was uninstalled, or a folder someone reused, is passed over.
        if (!copy || !files.fileExists(uninstaller) || !record::lists(files, *copy, uninstaller)) continue;
        return entry::InstalledProduct{productName, folder, entry::bytesOfFiles(files, copy->files)};
    }
    return std::nullopt;
}

} // namespace uninstall
