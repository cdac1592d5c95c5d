#include "Setup/OtherInstall.h"

#include "InstallRecord/InstallRecord.h"
#include "Setup/SetupTexts.h"
#include "UninstallEntry/UninstallEntry.h"
#include "platform/path_compare.h"
#include "platform/paths.h"

namespace setup {

namespace {

// The folder of the uninstaller an entry's command names, when it is there.
std::optional<std::string> folderOfUninstaller(platform::FileSystem& files, const std::optional<std::string>& command) {
    if (!command) return std::nullopt;
    // Only a full path names one place; the entry may hold anything.
    const auto uninstaller = platform::normalForm(files, platform::commandPath(*command));
    if (!uninstaller || !files.fileExists(*uninstaller)) return std::nullopt;
    const std::string folder = platform::parentFolder(*uninstaller);
    if (folder.empty()) return std::nullopt;
    return platform::normalForm(files, folder);
}

} // namespace

std::optional<std::string> installedFolder(platform::FileSystem& files, platform::Registry& registry,
                                           const std::string& productName, platform::RegistryRoot hive) {
    return folderOfUninstaller(files, registry.readString(hive, entry::uninstallKey(productName), "UninstallString"));
}

bool secondCopyWanted(platform::FileSystem& files, platform::Registry& registry, platform::MessageBoxes& boxes,
                      const std::string& productName, const std::string& folder, const std::string& title,
                      platform::RegistryRoot hive) {
    auto installed = installedFolder(files, registry, productName, hive);
    // The other build (x86 beside x64) in the other registry view: a second
    // copy too, though its entry stays its own.
    if (!installed)
        installed = folderOfUninstaller(files, registry.readStringInOtherView(hive, entry::uninstallKey(productName),
                                                                              "UninstallString"));
    if (!installed || platform::samePath(files, *installed, folder)) return true;
    return boxes.ask(wizard::say(texts::kSecondCopy, {productName, *installed, folder}), title,
                     platform::Buttons::YesNo, platform::BoxIcon::Question) == platform::Answer::Yes;
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
