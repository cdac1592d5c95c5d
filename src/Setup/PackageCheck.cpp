#include "Setup/PackageCheck.h"

#include "Package/archive_ops.h"
#include "Package/entry_name.h"

#include <set>

namespace setup {

std::optional<std::string> packageProblem(const std::string& packagePath, const std::vector<std::string>& required) {
    std::set<std::string> names;
    const package::ArchiveResult listed = package::listEntries(packagePath, [&](const std::string& name) { names.insert(package::lowerAscii(name)); });
    if (listed.error == package::ArchiveError::CannotOpenArchive) return "The package " + packagePath + " cannot be opened.";
    if (!listed) return "The package " + packagePath + " cannot be read: " + package::describe(listed.error) + ".";
    for (const std::string& name : required)
        if (!names.count(package::lowerAscii(name))) return "The package " + packagePath + " does not hold " + name + ".";
    return std::nullopt;
}

} // namespace setup
