#include "Setup/PackageCheck.h"

#include "Setup/archive/archive_ops.h"
#include "Setup/archive/entry_name.h"

#include <set>

namespace setup {

std::optional<std::string> packageProblem(const std::string& packagePath, const std::vector<std::string>& required) {
    std::set<std::string> names;
    const ArchiveResult listed = listEntries(packagePath, [&](const std::string& name) { names.insert(lowerAscii(name)); });
    if (listed.error == ArchiveError::CannotOpenArchive) return "The package " + packagePath + " cannot be opened.";
    if (!listed) return "The package " + packagePath + " cannot be read: " + describe(listed.error) + ".";
    for (const std::string& name : required)
        if (!names.count(lowerAscii(name))) return "The package " + packagePath + " does not hold " + name + ".";
    return std::nullopt;
}

} // namespace setup
