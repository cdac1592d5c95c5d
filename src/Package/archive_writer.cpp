#include "Package/archive_writer.h"

#include "Package/archive_format.h"
#include "platform/files.h"

namespace package {

namespace {

// The archive to append to: the existing one, or a new one that `created`
// says must go again when the append fails.
platform::OpenedFile openArchive(platform::FileSystem& files, const std::string& path, bool& created) {
    platform::OpenedFile opened = files.openFile(path, platform::OpenMode::ReadWrite);
    created = !opened && opened.kind() == platform::OpenFailure::Missing;
    if (created) opened = files.openFile(path, platform::OpenMode::CreateNew);
    return opened;
}

// Writes the entry at `start`, the archive's end; takes it back on failure.
ArchiveResult append(platform::File& archive, std::int64_t start, platform::File& source, std::int64_t size, const std::string& name) {
    std::string header = name;
    header += '\0';
    header += formatSize(size);
    header += '\0';
    if (size > kMaxArchiveLength - start - static_cast<std::int64_t>(header.size())) return {ArchiveError::TooLarge};

    if (archive.writeAt(start, header.data(), header.size()) &&
        archive.copyFrom(source, 0, start + static_cast<std::int64_t>(header.size()), size, kCopyChunk))
        return {};
    (void)archive.truncate(start);
    return {ArchiveError::CannotWriteArchive};
}

} // namespace

ArchiveResult appendEntry(platform::FileSystem& files, const std::string& archivePath, const std::string& sourcePath,
                          const std::string& name) {
    if (name.find('\0') != std::string::npos || name.size() > kMaxNameBytes) return {ArchiveError::BadName};
    platform::OpenedFile source = files.openFile(sourcePath, platform::OpenMode::Read);
    if (!source) return {ArchiveError::CannotOpenSource, source.reason()};
    const std::int64_t size = (*source)->size();
    if (size < 0) return {ArchiveError::CannotReadSource};

    bool created = false;
    platform::OpenedFile archive = openArchive(files, archivePath, created);
    if (!archive) return {ArchiveError::CannotOpenArchive, archive.reason()};
    const std::int64_t start = (*archive)->size();
    ArchiveResult result = start < 0 ? ArchiveResult{ArchiveError::CannotOpenArchive}
                                     : append(**archive, start, **source, size, name);
    if (!(*archive)->close() && result) {
        // The last bytes may not have reached the disk: take the entry back.
        if (auto again = files.openFile(archivePath, platform::OpenMode::ReadWrite)) (void)(*again)->truncate(start);
        result = {ArchiveError::CannotWriteArchive};
    }
    // A refused add leaves no archive that was not there before.
    if (!result && created) (void)files.deleteFile(archivePath);
    return result;
}

} // namespace package
