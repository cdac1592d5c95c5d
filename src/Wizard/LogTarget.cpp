#include "Wizard/LogTarget.h"

#include "InstallRecord/InstallRecord.h"
#include "Product.h"
#include "platform/path_compare.h"
#include "platform/paths.h"

#include <optional>

namespace wizard {

namespace {

// A relative log lies where the system resolves it, from the current folder.
std::optional<std::string> fullLogPath(platform::FileSystem& files, const std::string& log) {
    if (auto normal = platform::normalForm(files, log)) return normal;
    return files.systemFullPath(log);
}

rt::Failure<> refusal(const std::string& log, const std::string& what) {
    return rt::fail("The log file " + log + " would replace " + what +
                    ", which this run needs. Choose a log file elsewhere.");
}

} // namespace

std::vector<std::string> installationFiles(const std::string& folder) {
    std::vector<std::string> paths;
    for (const char* name : {product::kMainProgram, product::kUninstaller, product::kSettingsFile, record::kFileName})
        paths.push_back(platform::joinPath(folder, name));
    return paths;
}

rt::Outcome<> logAllowed(platform::FileSystem& files, const std::string& log, const RunFiles& run) {
    const std::optional<std::string> full = fullLogPath(files, log);
    for (const std::string& needed : run.files) {
        if (needed.empty()) continue;
        if ((full && platform::samePath(files, *full, needed)) || platform::writesOver(files, log, needed))
            return refusal(log, needed);
    }
    if (!full) return {};
    // The log's own folder and every one above it, each against the folders:
    // a linked folder is caught by its identity.
    for (std::string above = platform::parentFolder(*full); !above.empty(); above = platform::parentFolder(above)) {
        for (const std::string& folder : run.folders)
            if (!folder.empty() && platform::samePath(files, above, folder))
                return refusal(log, "a file in " + folder);
        if (platform::isRootOnly(above)) break;
    }
    return {};
}

} // namespace wizard
