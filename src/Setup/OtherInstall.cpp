#include "Setup/OtherInstall.h"

#include "InstallRecord/InstallRecord.h"
#include "Setup/SetupTexts.h"
#include "UninstallEntry/UninstallEntry.h"
#include "platform/path_compare.h"
#include "platform/paths.h"

namespace setup {

std::optional<std::string> installedFolder(platform::FileSystem& files, platform::Registry& registry,
                                           const std::string& productName, platform::RegistryRoot hive) {
    const auto command = registry.readString(hive, entry::uninstallKey(productName), "UninstallString");
    if (!command) return std::nullopt;
    // Only a full path names one place; the entry may hold anything.
    const auto uninstaller = platform::normalForm(files, platform::commandPath(*command));
    if (!uninstaller || !files.fileExists(*uninstaller)) return std::nullopt;
    const std::string folder = platform::parentFolder(*uninstaller);
    if (folder.empty()) return std::nullopt;
    return platform::normalForm(files, folder);
}

bool secondCopyWanted(platform::FileSystem& files, platform::Registry& registry, platform::MessageBoxes& boxes,
                      const std::string& productName, const std::string& folder, const std::string& title,
                      platform::RegistryRoot hive) {
    const auto installed = installedFolder(files, registry, productName, hive);
    if (!installed || platform::samePath(files, *installed, folder)) return true;
    return boxes.ask(wizard::say(texts::kSecondCopy, {productName, *installed, folder}), title, platform::Buttons::YesNo, platform::BoxIcon::Question) == platform::Answer::Yes;
}

std::vector<std::string> replacedCopies(platform::FileSystem& files, platform::Registry& registry,
                                        const std::string& productName, const std::string& folder,
                                        platform::RegistryRoot hive) {
    const auto installed = installedFolder(files, registry, productName, hive);
    if (!installed || platform::samePath(files, *installed, folder)) return {};
    std::vector<std::string> copies{*installed};
    if (const auto other = record::read(files, *installed))
        for (const std::string& copy : other->replaced)
            if (!platform::samePath(files, copy, folder)) copies.push_back(copy);
    return copies;
}

} // namespace setup
