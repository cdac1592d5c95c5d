#include "Package/archive_reader.h"

#include "Package/archive_format.h"

#include <algorithm>
#include <cstring>

namespace package {

namespace {
constexpr std::size_t kCacheSize = 64 * 1024;
}

ArchiveOutcome<> ArchiveReader::open(const std::string& path) {
    pos_ = 0;
    cacheLength_ = 0;
    error_ = ArchiveError::None;
    platform::OpenedFile opened = files_.openFile(path, platform::OpenMode::Read);
    if (!opened) {
        file_.reset();
        return archiveFailure(ArchiveError::CannotOpenArchive, opened.reason());
    }
    file_ = std::move(*opened);
    length_ = file_->size();
    if (length_ < 0) return archiveFailure(ArchiveError::CannotOpenArchive);
    return {};
}

// The field is the bytes before the first 0x00 among the 256 bytes at the
// current position (fewer where the file ends sooner).
bool ArchiveReader::readField(std::string& field) {
    const std::int64_t available = std::min<std::int64_t>(kHeaderWindow, length_ - pos_);
    if (available <= 0) return false;
    const std::size_t window = static_cast<std::size_t>(available);
    if (pos_ < cacheOffset_ || pos_ + static_cast<std::int64_t>(window) > cacheOffset_ + static_cast<std::int64_t>(cacheLength_)) {
        if (cache_.empty()) cache_.resize(kCacheSize);
        cacheOffset_ = pos_;
        cacheLength_ = file_->readAt(pos_, cache_.data(), cache_.size());
        if (cacheLength_ < window) return false;
    }
    const char* start = cache_.data() + (pos_ - cacheOffset_);
    const void* zero = std::memchr(start, 0, window);
    if (!zero) return false;
    field.assign(start, static_cast<const char*>(zero));
    pos_ += static_cast<std::int64_t>(field.size()) + 1;
    return true;
}

ArchiveReader::Step ArchiveReader::next(ArchiveEntry& entry) {
    error_ = ArchiveError::None;
    if (!file_) {
        error_ = ArchiveError::CannotOpenArchive;
        return Step::Damaged;
    }
    if (pos_ >= length_) return Step::End;
    if (!readField(entry.name)) {
        error_ = ArchiveError::UnterminatedName;
        return Step::Damaged;
    }
    std::string sizeField;
    if (!readField(sizeField)) {
        error_ = ArchiveError::UnterminatedSize;
        return Step::DamagedAfterName;
    }
    const auto size = parseSize(sizeField);
    if (!size) {
        error_ = ArchiveError::BadSize;
        return Step::DamagedAfterName;
    }
    const std::int64_t end = pos_ + *size;
    if (end > kMaxArchiveLength) {
        error_ = ArchiveError::TooLarge;
        return Step::DamagedAfterName;
    }
    if (end > length_) {
        error_ = ArchiveError::DataPastEnd;
        return Step::DamagedAfterName;
    }
    entry.dataOffset = pos_;
    entry.size = *size;
    pos_ = end;
    return Step::Entry;
}

rt::Outcome<> ArchiveReader::copyData(const ArchiveEntry& entry, platform::File& out) {
    if (!file_) return rt::fail("the archive is not open");
    return out.copyFrom(*file_, entry.dataOffset, 0, entry.size, kCopyChunk);
}

std::size_t ArchiveReader::readData(const ArchiveEntry& entry, std::int64_t offset, void* buffer, std::size_t n) {
    if (!file_ || offset < 0 || offset >= entry.size) return 0;
    const std::size_t within = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(n), entry.size - offset));
    return file_->readAt(entry.dataOffset + offset, buffer, within);
}

} // namespace package
