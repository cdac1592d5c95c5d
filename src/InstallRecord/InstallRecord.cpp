#include "InstallRecord/InstallRecord.h"

#include "platform/path_compare.h"
#include "platform/paths.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

namespace record {

namespace {

constexpr std::string_view kHeading = "Corvane Lumetra install record ";
constexpr std::string_view kFileKind = "file";
constexpr std::string_view kFolderKind = "folder";
constexpr std::string_view kReplacesKind = "replaces";
constexpr std::string_view kModeKind = "mode";
constexpr std::string_view kCurrentUser = "current user";
constexpr std::string_view kAllUsers = "all users";

// Paths kept once each, case ignored as Windows ignores it; a set keeps the
// cost of a long list linear.
class PathList {
public:
    explicit PathList(std::vector<std::string>& paths) : paths_(paths) {
        for (const std::string& path : paths_) seen_.insert(pathKey(path));
    }
    void add(const std::string& path) {
        if (seen_.insert(pathKey(path)).second) paths_.push_back(path);
    }

private:
    std::vector<std::string>& paths_;
    std::unordered_set<std::string> seen_;
};

// The text up to the bound, cut after its last whole line.
std::string_view bounded(std::string_view text) {
    if (text.size() <= kMaxBytes) return text;
    text = text.substr(0, kMaxBytes);
    return text.substr(0, text.rfind('\n') + 1);
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

std::string pathKey(std::string path) {
    for (char& c : path)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return path;
}

std::string format(const InstallRecord& record) {
    std::string text = std::string(kHeading) + std::to_string(kVersion) + "\r\n";
    for (const std::string& folder : record.folders) text += std::string(kFolderKind) + "\t" + folder + "\r\n";
    for (const std::string& file : record.files) text += std::string(kFileKind) + "\t" + file + "\r\n";
    for (const std::string& copy : record.replaced) text += std::string(kReplacesKind) + "\t" + copy + "\r\n";
    text += std::string(kModeKind) + "\t" + std::string(record.forCurrentUser ? kCurrentUser : kAllUsers) + "\r\n";
    return text;
}

std::optional<InstallRecord> parse(std::string_view text) {
    const std::vector<std::string_view> lines = linesOf(bounded(text));
    if (lines.empty() || !isHeading(lines.front())) return std::nullopt;
    InstallRecord record;
    PathList files(record.files), folders(record.folders), replaced(record.replaced);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t tab = lines[i].find('\t');
        if (tab == std::string_view::npos || tab + 1 == lines[i].size()) continue;
        const std::string_view kind = lines[i].substr(0, tab);
        const std::string path(lines[i].substr(tab + 1));
        if (kind == kFileKind) files.add(path);
        else if (kind == kFolderKind) folders.add(path);
        else if (kind == kReplacesKind) replaced.add(path);
        else if (kind == kModeKind) record.forCurrentUser = path == kCurrentUser;
    }
    return record;
}

InstallRecord merged(const InstallRecord& earlier, const InstallRecord& now) {
    InstallRecord all = earlier;
    PathList files(all.files), folders(all.folders);
    for (const std::string& file : now.files) files.add(file);
    for (const std::string& folder : now.folders) folders.add(folder);
    all.replaced = now.replaced;
    all.forCurrentUser = now.forCurrentUser;
    PathList replaced(all.replaced);
    for (const std::string& copy : earlier.replaced) replaced.add(copy);
    return all;
}

std::string pathIn(std::string_view folder) { return platform::joinPath(folder, kFileName); }

rt::Outcome<std::string> readText(platform::FileSystem& files, std::string_view folder) {
    platform::OpenedFile opened = files.openFile(pathIn(folder), platform::OpenMode::Read);
    if (!opened) return rt::fail(opened.reason());
    // One byte past the bound tells a long file from one that fits exactly.
    std::string text(kMaxBytes + 1, '\0');
    text.resize((*opened)->readAt(0, text.data(), text.size()));
    (void)(*opened)->close();
    return text;
}

std::optional<InstallRecord> read(platform::FileSystem& files, std::string_view folder) {
    const rt::Outcome<std::string> text = readText(files, folder);
    if (!text) return std::nullopt;
    return parse(*text);
}

InstallRecord within(const InstallRecord& record, std::string_view installFolder) {
    InstallRecord kept;
    PathList files(kept.files), folders(kept.folders);
    for (const std::string& file : record.files) {
        const std::optional<std::string> normal = platform::normalFormOfText(file);
        if (normal && platform::sameTextIgnoringCase(platform::parentFolder(*normal), installFolder)) files.add(*normal);
    }
    for (const std::string& folder : record.folders) {
        const std::optional<std::string> normal = platform::normalFormOfText(folder);
        if (normal && !platform::isRootOnly(*normal) && platform::isSameOrInside(installFolder, *normal))
            folders.add(*normal);
    }
    kept.replaced = record.replaced;
    return kept;
}

bool lists(platform::FileSystem& files, const InstallRecord& record, std::string_view file) {
    const std::optional<std::string> normal = platform::normalForm(files, file);
    if (!normal) return false;
    const InstallRecord inFolder = within(record, platform::parentFolder(*normal));
    return std::any_of(inFolder.files.begin(), inFolder.files.end(),
                       [&](const std::string& listed) { return platform::sameTextIgnoringCase(listed, *normal); });
}

} // namespace record
