#include "Package/entry_name.h"

#include "Package/archive_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace package {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

std::string upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

// CON, PRN, AUX, NUL, COM1-9, LPT1-9 name devices with any extension.
bool isDeviceName(const std::string& name) {
    std::string_view base(name);
    base = base.substr(0, base.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    const std::string b = upper(base);
    static constexpr std::array<std::string_view, 4> plain{"CON", "PRN", "AUX", "NUL"};
    if (std::find(plain.begin(), plain.end(), b) != plain.end()) return true;
    return b.size() == 4 && (b.starts_with("COM") || b.starts_with("LPT")) && b[3] >= '1' && b[3] <= '9';
}

} // namespace

std::optional<std::string> entryNameProblem(const std::string& name) {
    if (name.empty()) return "the name is empty";
    if (name.size() > kMaxNameBytes) return "the name is longer than 255 bytes";
    if (name == "." || name == "..") return "the name \"" + name + "\" is a folder reference";
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F) return "the name contains a control character";
        if (isSeparator(static_cast<char>(c))) return "the name contains a folder separator";
        if (c == ':') return "the name contains \":\"";
        if (std::string_view("<>\"|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return std::string("the name contains \"") + static_cast<char>(c) + "\", which Windows file names cannot hold";
    }
    if (name.back() == '.' || name.back() == ' ') return "the name ends in a dot or a space";
    if (isDeviceName(name)) return "the name is a reserved device name";
    return std::nullopt;
}

std::string entryPathIn(const std::string& folder, const std::string& name) {
    if (!folder.empty() && isSeparator(folder.back())) return folder + name;
    return folder + "\\" + name;
}

bool liesDirectlyIn(const std::string& path, const std::string& folder) {
    std::string prefix = folder;
    if (prefix.empty() || !isSeparator(prefix.back())) prefix += '\\';
    const auto cut = path.find_last_of("\\/");
    if (cut == std::string::npos || cut + 1 != prefix.size()) return false;
    if (!std::equal(prefix.begin(), prefix.end() - 1, path.begin())) return false;
    const std::string leaf = path.substr(cut + 1);
    return !leaf.empty() && leaf != "." && leaf != "..";
}

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

} // namespace package
