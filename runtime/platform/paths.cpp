#include "platform/paths.h"

#include <vector>

namespace platform {

namespace {

char lowerAscii(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool isDriveLetter(char c) noexcept { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The separator a folder is joined with: '\' for anything on a drive or a
// share, so that Windows paths stay Windows paths in native tests too.
char separatorFor(std::string_view folder) noexcept {
    const RootKind kind = rootOf(folder).kind;
    if (kind == RootKind::Posix || kind == RootKind::Relative) return kPathSeparator;
    return '\\';
}

std::size_t nextSeparator(std::string_view path, std::size_t from) noexcept {
    while (from < path.size() && !isPathSeparator(path[from])) ++from;
    return from;
}

// "\\server\share": both names present, and not "\\." or "\\?" (devices).
PathRoot shareRoot(std::string_view path) noexcept {
    const std::size_t serverEnd = nextSeparator(path, 2);
    const std::string_view server = path.substr(2, serverEnd - 2);
    if (server.empty() || server == "." || server == "?" || serverEnd == path.size()) return {RootKind::Device, path.size()};
    const std::size_t shareEnd = nextSeparator(path, serverEnd + 1);
    if (shareEnd == serverEnd + 1) return {RootKind::Device, path.size()};
    return {RootKind::Share, shareEnd};
}

// What Windows drops from a name: one trailing dot of a folder name, every
// trailing dot and space of the last name.
std::string_view trimmedName(std::string_view name, bool last) noexcept {
    if (!last) {
        if (!name.empty() && name.back() == '.') name.remove_suffix(1);
        return name;
    }
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
    return name;
}

} // namespace

std::size_t fileNameStart(std::string_view path) noexcept {
    for (std::size_t i = path.size(); i > 0; --i)
        if (isPathSeparator(path[i - 1])) return i;
    return 0;
}

std::string fileNameOf(std::string_view path) { return std::string(path.substr(fileNameStart(path))); }

std::string parentFolder(std::string_view path) {
    const std::size_t start = fileNameStart(path);
    return start == 0 ? std::string() : std::string(path.substr(0, start - 1));
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !isPathSeparator(path.back())) path += separatorFor(folder);
    path += name;
    return path;
}

PathRoot rootOf(std::string_view path) noexcept {
    if (path.size() >= 2 && isDriveLetter(path[0]) && path[1] == ':') {
        if (path.size() >= 3 && isPathSeparator(path[2])) return {RootKind::Drive, 3};
        return {RootKind::DriveRelative, 2};
    }
    if (path.size() >= 2 && isPathSeparator(path[0]) && isPathSeparator(path[1])) return shareRoot(path);
#ifndef _WIN32
    if (!path.empty() && path[0] == '/') return {RootKind::Posix, 1};
#endif
    if (!path.empty() && isPathSeparator(path[0])) return {RootKind::CurrentDrive, 1};
    return {RootKind::Relative, 0};
}

bool isRootOnly(std::string_view path) noexcept {
    for (std::size_t i = rootOf(path).length; i < path.size(); ++i)
        if (!isPathSeparator(path[i])) return false;
    return true;
}

std::optional<std::string> normalFormOfText(std::string_view path) {
    const PathRoot root = rootOf(path);
    if (!isFullRoot(root.kind)) return std::nullopt;

    // The names after the root, "." and ".." resolved.
    std::vector<std::string_view> raw;
    for (std::size_t at = root.length; at < path.size();) {
        const std::size_t end = nextSeparator(path, at);
        if (end > at) raw.push_back(path.substr(at, end - at));
        at = end + 1;
    }
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == ".") continue;
        if (raw[i] == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        const std::string_view name = trimmedName(raw[i], i + 1 == raw.size());
        if (!name.empty()) names.push_back(name);
    }

    const char separator = root.kind == RootKind::Posix ? '/' : '\\';
    std::string normal;
    if (root.kind == RootKind::Drive) {
        normal = std::string{path[0], ':', '\\'};
    } else if (root.kind == RootKind::Share) {
        const std::size_t serverEnd = nextSeparator(path, 2);
        normal = "\\\\" + std::string(path.substr(2, serverEnd - 2)) + "\\" +
                 std::string(path.substr(serverEnd + 1, root.length - serverEnd - 1));
    } else {
        normal = "/";
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!isPathSeparator(normal.back())) normal += separator;
        normal += names[i];
    }
    return normal;
}

bool sameTextIgnoringCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

bool isSameOrInside(std::string_view path, std::string_view folder) noexcept {
    if (folder.empty() || path.size() < folder.size()) return false;
    if (!sameTextIgnoringCase(path.substr(0, folder.size()), folder)) return false;
    return path.size() == folder.size() || isPathSeparator(folder.back()) || isPathSeparator(path[folder.size()]);
}

} // namespace platform
