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
    if (const auto installed = installedFolder(files, registry, productName)) installFolders.push_back(*installed);
    if (const std::string programFiles = folders.programFilesFolder(); !programFiles.empty())
        installFolders.push_back(platform::joinPath(programFiles, productName));
    for (const std::string& folder : installFolders)
        for (std::string& file : wizard::installationFiles(folder)) run.files.push_back(std::move(file));
    return run;
}

} // namespace setup
