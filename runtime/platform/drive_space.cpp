#include "platform/drive_space.h"

#include "platform/paths.h"

namespace platform {

std::optional<std::string> nearestExistingFolder(FileSystem& files, std::string_view path) {
    const std::optional<std::string> normal = normalFormOfText(path);
    if (!normal) return std::nullopt;
    std::string folder = *normal;
    const std::size_t rootLength = rootOf(folder).length;
    for (;;) {
        if (files.folderExists(folder)) return folder;
        if (folder.size() <= rootLength) return std::nullopt;
        // The parent of "C:\x" is "C:\", not the drive-relative "C:".
        std::string up = parentFolder(folder);
        if (up.size() < rootLength) up = folder.substr(0, rootLength);
        folder = std::move(up);
    }
}

rt::Outcome<std::uint64_t> freeSpaceFor(FileSystem& files, std::string_view path) {
    const std::optional<std::string> existing = nearestExistingFolder(files, path);
    if (!existing) return rt::fail("no folder on its way exists");
    return files.freeSpace(*existing);
}

} // namespace platform
