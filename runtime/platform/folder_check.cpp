#include "platform/folder_check.h"

#include "platform/path_compare.h"
#include "platform/paths.h"
#include "platform/reserved_names.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

namespace {

// Windows holds at most 255 UTF-16 units in one name.
constexpr std::size_t kMaxNameUnits = 255;

std::size_t utf16Units(std::string_view utf8) noexcept {
    std::size_t units = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) == 0x80) continue;  // continues a character
        units += c >= 0xF0 ? 2 : 1;        // four-byte characters take a surrogate pair
    }
    return units;
}

std::string_view withoutSurroundings(std::string_view text) noexcept {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    return text;
}

// "<before>"<name>"<after>", built by appending (GCC 12 misreads the
// inserting operator+ as overlapping copies).
std::string sentence(std::string_view before, std::string_view name, std::string_view after) {
    std::string text(before);
    text.append(1, '"').append(name).append(1, '"').append(after);
    return text;
}

rt::Outcome<> checkCharacters(std::string_view path) {
    for (std::size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (c < 0x20 || c == 0x7F) return rt::fail("it contains a control character.");
        // The colon after a drive letter is the only one a path may hold.
        if ((c == ':' && i != 1) || std::string_view("<>\"|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return rt::fail(sentence("it contains ", path.substr(i, 1), ", which Windows folder names cannot hold."));
    }
    return {};
}

std::vector<std::string_view> namesAfterRoot(std::string_view path) {
    std::vector<std::string_view> names;
    std::size_t at = rootOf(path).length;
    while (at < path.size()) {
        std::size_t end = at;
        while (end < path.size() && !isPathSeparator(path[end])) ++end;
        if (end > at) names.push_back(path.substr(at, end - at));
        at = end + 1;
    }
    return names;
}

rt::Outcome<> checkNames(std::string_view normal) {
    for (std::string_view name : namesAfterRoot(normal)) {
        if (isReservedDeviceName(name)) return rt::fail(sentence("", name, " is a name Windows keeps for a device."));
        if (utf16Units(name) > kMaxNameUnits) return rt::fail("one of its names is longer than 255 characters.");
        if (name.back() == ' ' || name.back() == '.')
            return rt::fail(sentence("the name ", name, " ends in a space or a dot."));
    }
    return {};
}

} // namespace

rt::Outcome<std::string> checkInstallFolder(FileSystem& files, std::string_view typed, std::string_view windowsFolder) {
    const std::string_view path = withoutSurroundings(typed);
    if (path.empty()) return rt::fail("no folder was given.");
    if (const rt::Outcome<> characters = checkCharacters(path); !characters) return characters.failure();
    switch (rootOf(path).kind) {
    case RootKind::Relative:
    case RootKind::DriveRelative:
        return rt::fail("it is a relative path; it must start with a drive, such as C:\\.");
    case RootKind::CurrentDrive:
    case RootKind::Device:
        return rt::fail("it names no drive; it must start with a drive, such as C:\\, or a network share.");
    case RootKind::Drive:
    case RootKind::Share:
    case RootKind::Posix:
        break;
    }
    // Names are checked as written (the system turns "C:\x\CON" into the
    // device); the root check above made the path full.
    if (const rt::Outcome<> names = checkNames(normalFormOfText(path).value_or(std::string(path))); !names)
        return names.failure();

    const std::string normal = normalForm(files, path).value_or(std::string(path));
    if (isRootOnly(normal)) return rt::fail("it is the root of a drive.");
    if (const std::optional<std::string> windows = normalForm(files, windowsFolder);
        windows && isSameOrInside(normal, *windows))
        return rt::fail("it lies in the Windows folder.");
    return normal;
}

} // namespace platform
