#include "Setup/archive/archive_writer.h"

#include "Setup/archive/archive_format.h"
#include "Setup/archive/binary_file.h"

namespace setup {

ArchiveResult appendEntry(const std::string& archivePath, const std::string& sourcePath, const std::string& name) {
    if (name.find('\0') != std::string::npos) return {ArchiveError::BadName};
    BinaryFile source;
    if (!source.open(sourcePath, BinaryFile::Mode::Read)) return {ArchiveError::CannotOpenSource};
    const std::int64_t size = source.size();
    if (size < 0) return {ArchiveError::CannotReadSource};

    BinaryFile archive;
    if (!archive.open(archivePath, BinaryFile::Mode::ReadWrite)) return {ArchiveError::CannotOpenArchive};
    const std::int64_t start = archive.size();
    if (start < 0) return {ArchiveError::CannotOpenArchive};

    std::string header = name;
    header += '\0';
    header += formatSize(size);
    header += '\0';
    if (size > kMaxArchiveLength - start - static_cast<std::int64_t>(header.size())) return {ArchiveError::TooLarge};

    ArchiveResult result;
    if (!archive.writeAt(start, header.data(), header.size())) result = {ArchiveError::CannotWriteArchive};
    if (result && !archive.copyFrom(source, 0, start + static_cast<std::int64_t>(header.size()), size, kCopyChunk))
        result = {ArchiveError::CannotWriteArchive};
    if (!result) {
        archive.truncate(start);
        return result;
    }
    if (!archive.close()) {
        // The last bytes may not have reached the disk: take the entry back.
        BinaryFile again;
        if (again.open(archivePath, BinaryFile::Mode::ReadWrite)) again.truncate(start);
        return {ArchiveError::CannotWriteArchive};
    }
    return {};
}

} // namespace setup
