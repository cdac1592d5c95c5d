#include "Package/entry_name.h"

#include "Package/archive_format.h"
#include "platform/paths.h"
#include "platform/reserved_names.h"

#include <algorithm>
#include <string_view>

namespace package {

rt::Outcome<> checkEntryName(const std::string& name) {
    if (name.empty()) return rt::fail("the name is empty");
    if (name.size() > kMaxNameBytes) return rt::fail("the name is longer than 255 bytes");
    if (name == "." || name == "..") return rt::fail("the name \"" + name + "\" is a folder reference");
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F) return rt::fail("the name contains a control character");
        if (platform::isPathSeparator(static_cast<char>(c))) return rt::fail("the name contains a folder separator");
        if (c == ':') return rt::fail("the name contains \":\"");
        if (std::string_view("<>\"|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return rt::fail(std::string("the name contains \"") + static_cast<char>(c) + "\", which Windows file names cannot hold");
    }
    if (name.back() == '.' || name.back() == ' ') return rt::fail("the name ends in a dot or a space");
    if (platform::isReservedDeviceName(name)) return rt::fail("the name is a reserved device name");
    return {};
}

std::string entryPathIn(const std::string& folder, const std::string& name) { return platform::joinPath(folder, name); }

bool liesDirectlyIn(const std::string& path, const std::string& folder) {
    const std::string leaf = platform::fileNameOf(path);
    if (leaf.empty() || leaf == "." || leaf == "..") return false;
    return platform::joinPath(folder, leaf) == path;
}

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

} // namespace package
