#include "platform/files.h"

namespace platform {

std::string temporaryPathFor(const std::string& path) {
    return path + ".tmp";
}

bool writeFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes) {
    const std::string temporary = temporaryPathFor(path);
    if (files.writeFile(temporary, bytes) && files.replaceFile(temporary, path)) return true;
    files.removeFile(temporary);
    return false;
}

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// Where the first level that can be made starts: past a drive (C:), a share
// (two separators, a server and a share name) or a leading separator.
std::size_t firstLevel(const std::string& path) {
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        std::size_t separators = 0, i = 2;
        for (; i < path.size() && separators < 2; ++i)
            if (isSeparator(path[i])) ++separators;
        return i;
    }
    if (path.size() >= 2 && path[1] == ':') return 2;
    return 0;
}

} // namespace

MadeFolders makeFolderPath(FileSystem& files, const std::string& path) {
    MadeFolders made;
    std::string whole = path;
    while (whole.size() > 1 && isSeparator(whole.back()) && whole[whole.size() - 2] != ':') whole.pop_back();
    if (whole.empty()) return made;
    for (std::size_t i = firstLevel(whole); i <= whole.size(); ++i) {
        if (i < whole.size() && !isSeparator(whole[i])) continue;
        const std::string level = whole.substr(0, i);
        if (level.empty() || isSeparator(level.back()) || level.size() <= firstLevel(whole)) continue;
        if (files.folderExists(level)) continue;
        if (!files.makeFolder(level)) return made;
        made.created.push_back(level);
    }
    made.ok = files.folderExists(whole);
    return made;
}

} // namespace platform
