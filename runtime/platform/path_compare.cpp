#include "platform/path_compare.h"

#include "platform/paths.h"

namespace platform {

namespace {

std::string_view trimmedSpaces(std::string_view text) noexcept {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::string> normalForm(FileSystem& files, std::string_view path) {
    // The text decides what is full: the system would take a relative path
    // from whatever folder the process happens to be in.
    std::optional<std::string> normal = normalFormOfText(path);
    if (!normal) return std::nullopt;
    // The path as given: the system drops trailing dots once, as the text does.
    if (std::optional<std::string> system = files.systemFullPath(std::string(path))) {
        // The system keeps a separator the text ends with; the normal form does not.
        const std::size_t rootLength = rootOf(*system).length;
        while (system->size() > rootLength && isPathSeparator(system->back())) system->pop_back();
        return system;
    }
    return normal;
}

bool samePath(FileSystem& files, std::string_view a, std::string_view b) {
    const std::optional<std::string> first = normalForm(files, a);
    const std::optional<std::string> second = normalForm(files, b);
    if (!first || !second) return false;
    if (sameTextIgnoringCase(*first, *second)) return true;
    const rt::Outcome<FileIdentity> one = files.identity(*first);
    if (!one) return false;
    const rt::Outcome<FileIdentity> other = files.identity(*second);
    return other && *one == *other;
}

bool writesOver(FileSystem& files, const std::string& target, const std::string& source) {
    // Identity alone where it is known: two files whose names differ only in
    // case are two files on a system that tells them apart.
    const rt::Outcome<FileIdentity> written = files.identity(target);
    const rt::Outcome<FileIdentity> read = files.identity(source);
    if (written && read) return *written == *read;
    return samePath(files, target, source);
}

std::string commandPath(std::string_view command) {
    command = trimmedSpaces(command);
    if (!command.empty() && command.front() == '"') {
        command.remove_prefix(1);
        command = command.substr(0, command.find('"'));
    }
    return std::string(trimmedSpaces(command));
}

} // namespace platform
