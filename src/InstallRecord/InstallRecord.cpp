#include "InstallRecord/InstallRecord.h"

#include "platform/path_compare.h"
#include "platform/paths.h"

#include <algorithm>
#include <charconv>

namespace record {

namespace {

constexpr std::string_view kHeading = "Corvane Lumetra install record ";
constexpr std::string_view kFileKind = "file";
constexpr std::string_view kFolderKind = "folder";
constexpr std::string_view kReplacesKind = "replaces";
constexpr std::string_view kModeKind = "mode";
constexpr std::string_view kCurrentUser = "current user";
constexpr std::string_view kAllUsers = "all users";

void addOnce(std::vector<std::string>& paths, const std::string& path) {
    const auto same = [&](const std::string& listed) { return platform::sameTextIgnoringCase(listed, path); };
    if (std::none_of(paths.begin(), paths.end(), same)) paths.push_back(path);
}

// The lines of the text, without their CR LF or LF.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

bool isHeading(std::string_view line) {
    if (!line.starts_with(kHeading)) return false;
    const std::string_view number = line.substr(kHeading.size());
    int version = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), version);
    return error == std::errc() && end == number.data() + number.size() && version >= 1;
}

} // namespace

std::string format(const InstallRecord& record) {
    std::string text = std::string(kHeading) + std::to_string(kVersion) + "\r\n";
    for (const std::string& folder : record.folders) text += std::string(kFolderKind) + "\t" + folder + "\r\n";
    for (const std::string& file : record.files) text += std::string(kFileKind) + "\t" + file + "\r\n";
    for (const std::string& copy : record.replaced) text += std::string(kReplacesKind) + "\t" + copy + "\r\n";
    text += std::string(kModeKind) + "\t" + std::string(record.forCurrentUser ? kCurrentUser : kAllUsers) + "\r\n";
    return text;
}

std::optional<InstallRecord> parse(std::string_view text) {
    const std::vector<std::string_view> lines = linesOf(text);
    if (lines.empty() || !isHeading(lines.front())) return std::nullopt;
    InstallRecord record;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t tab = lines[i].find('\t');
        if (tab == std::string_view::npos || tab + 1 == lines[i].size()) continue;
        const std::string_view kind = lines[i].substr(0, tab);
        const std::string path(lines[i].substr(tab + 1));
        if (kind == kFileKind) addOnce(record.files, path);
        else if (kind == kFolderKind) addOnce(record.folders, path);
        else if (kind == kReplacesKind) addOnce(record.replaced, path);
        else if (kind == kModeKind) record.forCurrentUser = path == kCurrentUser;
    }
    return record;
}

InstallRecord merged(const InstallRecord& earlier, const InstallRecord& now) {
    InstallRecord all = earlier;
    for (const std::string& file : now.files) addOnce(all.files, file);
    for (const std::string& folder : now.folders) addOnce(all.folders, folder);
    all.replaced = now.replaced;
    all.forCurrentUser = now.forCurrentUser;
    for (const std::string& copy : earlier.replaced) addOnce(all.replaced, copy);
    return all;
}

std::string pathIn(std::string_view folder) { return platform::joinPath(folder, kFileName); }

std::optional<InstallRecord> read(platform::FileSystem& files, std::string_view folder) {
    const std::optional<std::string> text = files.readFile(pathIn(folder));
    if (!text) return std::nullopt;
    return parse(*text);
}

bool lists(platform::FileSystem& files, const InstallRecord& record, std::string_view file) {
    return std::any_of(record.files.begin(), record.files.end(),
                       [&](const std::string& listed) { return platform::samePath(files, listed, file); });
}

} // namespace record
