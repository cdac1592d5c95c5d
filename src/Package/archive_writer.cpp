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
ArchiveOutcome<> append(platform::File& archive, std::int64_t start, platform::File& source, std::int64_t size,
                        const std::string& name) {
    std::string header = name;
    header += '\0';
    header += formatSize(size);
    header += '\0';
    if (size > kMaxArchiveLength - start - static_cast<std::int64_t>(header.size())) return archiveFailure(ArchiveError::TooLarge);

    rt::Outcome<> written = archive.writeAt(start, header.data(), header.size());
    if (written) written = archive.copyFrom(source, 0, start + static_cast<std::int64_t>(header.size()), size, kCopyChunk);
    if (written) return {};
    (void)archive.truncate(start);
    return archiveFailure(ArchiveError::CannotWriteArchive, written.reason());
}

} // namespace

ArchiveOutcome<> appendEntry(platform::FileSystem& files, const std::string& archivePath, const std::string& sourcePath,
                             const std::string& name) {
    if (name.find('\0') != std::string::npos || name.size() > kMaxNameBytes) return archiveFailure(ArchiveError::BadName);
    platform::OpenedFile source = files.openFile(sourcePath, platform::OpenMode::Read);
    if (!source) return archiveFailure(ArchiveError::CannotOpenSource, source.reason());
    const std::int64_t size = (*source)->size();
    if (size < 0) return archiveFailure(ArchiveError::CannotReadSource);

    bool created = false;
    platform::OpenedFile archive = openArchive(files, archivePath, created);
    if (!archive) return archiveFailure(ArchiveError::CannotOpenArchive, archive.reason());
    const std::int64_t start = (*archive)->size();
    ArchiveOutcome<> result = start < 0 ? archiveFailure(ArchiveError::CannotOpenArchive)
                                        : append(**archive, start, **source, size, name);
    if (auto closed = (*archive)->close(); !closed && result) {
        // The last bytes may not have reached the disk: take the entry back.
        if (auto again = files.openFile(archivePath, platform::OpenMode::ReadWrite)) (void)(*again)->truncate(start);
        result = archiveFailure(ArchiveError::CannotWriteArchive, closed.reason());
    }
    // A refused add leaves no archive that was not there before.
    if (!result && created) (void)files.deleteFile(archivePath);
    return result;
}

} // namespace package
