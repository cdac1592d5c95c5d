#include "platform/standard_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

namespace {
fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}
} // namespace

bool StandardFileSystem::fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(toPath(path), ec);
}

std::optional<std::string> StandardFileSystem::readFile(const std::string& path) {
    if (!fileExists(path)) return std::nullopt;
    std::ifstream in(toPath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool StandardFileSystem::writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(toPath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

bool StandardFileSystem::replaceFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    // A folder in the way must not be replaced (POSIX would refuse only a
    // non-empty one).
    if (fs::is_directory(toPath(to), ec)) return false;
    fs::rename(toPath(from), toPath(to), ec);
    return !ec;
}

void StandardFileSystem::removeFile(const std::string& path) {
    std::error_code ec;
    if (fs::is_regular_file(toPath(path), ec)) fs::remove(toPath(path), ec);
}

bool StandardFileSystem::makeFolder(const std::string& path) {
    std::error_code ec;
    fs::create_directory(toPath(path), ec);
    return fs::is_directory(toPath(path), ec);
}

bool StandardFileSystem::folderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(toPath(path), ec);
}

std::optional<std::vector<std::string>> StandardFileSystem::listFiles(const std::string& folder) {
    std::error_code ec;
    fs::directory_iterator it(toPath(folder), ec);
    if (ec) return std::nullopt;
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : it) {
        if (!entry.is_regular_file(ec)) continue;
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

bool StandardFileSystem::deleteFile(const std::string& path) {
    std::error_code ec;
    const fs::path p = toPath(path);
    if (!fs::is_regular_file(fs::symlink_status(p, ec))) return !fs::exists(fs::symlink_status(p, ec));
    return fs::remove(p, ec) && !ec;
}

bool StandardFileSystem::removeEmptyFolder(const std::string& path) {
    std::error_code ec;
    const fs::path p = toPath(path);
    if (!fs::is_directory(p, ec)) return !fs::exists(p, ec);
    if (!fs::is_empty(p, ec) || ec) return false;
    return fs::remove(p, ec) && !ec;
}

} // namespace platform
