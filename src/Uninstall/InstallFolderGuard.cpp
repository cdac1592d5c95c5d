#include "Uninstall/InstallFolderGuard.h"

#include <algorithm>

namespace uninstall {

namespace {

bool isDriveRoot(const std::string& folder) {
    if (folder.empty() || folder == "\\") return true;
    if (folder.size() == 2 && folder[1] == ':') return true;  // "C:" (the trailing "\" is gone)
    // "\\server\share": a network drive's root.
    if (folder.rfind("\\\\", 0) == 0) return std::count(folder.begin() + 2, folder.end(), '\\') < 2;
    return false;
}

bool isSameOrInside(const std::string& path, const std::string& folder) {
    if (folder.empty()) return false;
    return path == folder || (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
                              path[folder.size()] == '\\');
}

} // namespace

std::string comparablePath(std::string path) {
    const auto notSpace = [](char c) { return c != ' ' && c != '\t'; };
    path.erase(path.begin(), std::find_if(path.begin(), path.end(), notSpace));
    path.erase(std::find_if(path.rbegin(), path.rend(), notSpace).base(), path.end());
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    std::replace(path.begin(), path.end(), '/', '\\');
    while (path.size() > 1 && path.back() == '\\') path.pop_back();
    for (char& c : path) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return path;
}

bool isInstallFolder(const FolderFacts& facts) {
    const std::string folder = comparablePath(facts.folder);
    if (isDriveRoot(folder) || isSameOrInside(folder, comparablePath(facts.windowsFolder))) return false;
    if (facts.uninstallCommand) return comparablePath(*facts.uninstallCommand) == comparablePath(facts.programFile);
    return facts.mainProgramPresent;
}

} // namespace uninstall
