#pragma once
// Walks an archive's entries from the first byte. Header fields are read
// through a small window cache, so listing a large archive costs a few reads
// rather than one per field; data is copied in chunks of at most 1,000,000
// bytes, so memory stays bounded whatever the archive holds.
#include "Package/archive_result.h"
#include "platform/files.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace package {

struct ArchiveEntry {
    std::string name;
    std::int64_t dataOffset = 0;  // 0-based offset of the first data byte
    std::int64_t size = 0;
};

class ArchiveReader {
public:
    explicit ArchiveReader(platform::FileSystem& files) : files_(files) {}

    enum class Step {
        Entry,             // `entry` is complete and its data lies in the file
        End,               // the previous entry's data ended the file
        DamagedAfterName,  // `entry.name` was read, then the archive was damaged
        Damaged,           // nothing of this entry could be read
    };

    ArchiveOutcome<> open(const std::string& path);
    Step next(ArchiveEntry& entry);
    // Why the last step was damaged.
    ArchiveError error() const noexcept { return error_; }

    // Copies an entry's data to the start of `out`; a failure gives the
    // system's reason, which the caller files under the destination.
    rt::Outcome<> copyData(const ArchiveEntry& entry, platform::File& out);
    // Reads up to n bytes of an entry's data from `offset` within it; fewer
    // where the data ends.
    std::size_t readData(const ArchiveEntry& entry, std::int64_t offset, void* buffer, std::size_t n);

private:
    bool readField(std::string& field);

    platform::FileSystem& files_;
    std::unique_ptr<platform::File> file_;
    std::int64_t length_ = 0;
    std::int64_t pos_ = 0;  // 0-based offset of the next header field
    ArchiveError error_ = ArchiveError::None;
    std::vector<char> cache_;
    std::int64_t cacheOffset_ = 0;
    std::size_t cacheLength_ = 0;
};

} // namespace package
