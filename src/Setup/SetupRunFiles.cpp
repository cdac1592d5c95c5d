#include "Setup/SetupRunFiles.h"

#include "Product.h"
#include "Setup/OtherInstall.h"
#include "platform/path_compare.h"
#include "platform/paths.h"

namespace setup {

wizard::RunFiles setupRunFiles(platform::Folders& folders, platform::FileSystem& files, platform::Registry& registry,
                               const std::string& productName, const wizard::Switches& switches) {
    wizard::RunFiles run;
    run.files = {folders.programFile(), platform::joinPath(folders.programFolder(), product::kPackage)};
    std::vector<std::string> installFolders;
    if (switches.dir) installFolders.push_back(platform::normalForm(files, *switches.dir).value_or(*switches.dir));
    // The installations the entries name and the folders proposed, for all
    // users and for this user alone.
    for (const platform::RegistryRoot hive : {platform::RegistryRoot::LocalMachine, platform::RegistryRoot::CurrentUser})
        if (const auto installed = installedFolder(files, registry, productName, hive)) installFolders.push_back(*installed);
    for (const std::string& programs : {folders.programFilesFolder(), folders.userProgramsFolder()})
        if (!programs.empty()) installFolders.push_back(platform::joinPath(programs, productName));
    for (const std::string& folder : installFolders)
        for (std::string& file : wizard::installationFiles(folder)) run.files.push_back(std::move(file));
    return run;
}

} // namespace setup
