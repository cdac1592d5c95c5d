#include "platform/files.h"

#include "platform/paths.h"

#include <algorithm>
#include <utility>

namespace platform {

namespace {

// A file name holds at most 255 bytes (or UTF-16 units); the temporary name
// keeps this much of the target's so that its suffix always fits.
constexpr std::size_t kTemporaryStemBytes = 240;

// The first `bytes` bytes of UTF-8 text, not cutting a character in two.
std::string_view utf8Prefix(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    while (bytes > 0 && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) --bytes;
    return text.substr(0, bytes);
}

} // namespace

rt::Outcome<std::string> FileSystem::readFile(const std::string& path) {
    const OpenedFile opened = openFile(path, OpenMode::Read);
    if (!opened) return rt::fail(opened.reason());
    File& file = **opened;
    const std::int64_t size = file.size();
    if (size < 0) return rt::fail("its length cannot be told");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (file.readAt(0, bytes.data(), bytes.size()) != bytes.size()) return rt::fail("it cannot be read whole");
    return bytes;
}

rt::Outcome<> File::copyFrom(File& source, std::int64_t from, std::int64_t to, std::int64_t n, std::size_t chunk) {
    if (n < 0) return rt::fail("a copy cannot be shorter than nothing");
    if (n == 0) return {};
    const std::size_t bufferSize = static_cast<std::size_t>(std::min<std::int64_t>(n, static_cast<std::int64_t>(chunk)));
    auto buffer = std::make_unique_for_overwrite<char[]>(bufferSize);
    for (std::int64_t done = 0; done < n;) {
        const std::size_t part = static_cast<std::size_t>(std::min<std::int64_t>(n - done, static_cast<std::int64_t>(bufferSize)));
        if (source.readAt(from + done, buffer.get(), part) != part) return rt::fail("the source ends early");
        if (rt::Outcome<> written = writeAt(to + done, buffer.get(), part); !written) return written;
        done += static_cast<std::int64_t>(part);
    }
    return {};
}

std::string temporaryPathFor(const std::string& path, int attempt) {
    const std::size_t leafStart = fileNameStart(path);
    const std::string_view leaf = std::string_view(path).substr(leafStart);
    return path.substr(0, leafStart) + std::string(utf8Prefix(leaf, kTemporaryStemBytes)) + "~" +
           std::to_string(attempt) + ".tmp";
}

PendingReplacement::PendingReplacement(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        temporary_ = temporaryPathFor(path_, attempt);
        OpenedFile opened = files_.openFile(temporary_, OpenMode::CreateNew);
        if (opened) {
            file_ = std::move(*opened);
            return;
        }
        if (opened.kind() != OpenFailure::AlreadyExists) {
            made_ = rt::fail(opened.reason());
            return;
        }
    }
    made_ = rt::fail("no free name for a temporary file beside it");
}

rt::Outcome<> PendingReplacement::commit() {
    if (!file_) return made_ ? rt::fail("the new file was given up") : made_;
    rt::Outcome<> result;
    if (!file_->close()) result = rt::fail("the data did not reach the disk");
    file_.reset();
    if (result) result = files_.replaceFile(temporary_, path_);
    if (!result) (void)files_.deleteFile(temporary_);
    return result;
}

void PendingReplacement::abandon() noexcept {
    if (!file_) return;
    (void)file_->close();
    file_.reset();
    (void)files_.deleteFile(temporary_);
}

rt::Outcome<> writeThenRename(FileSystem& files, const std::string& path, const std::function<rt::Outcome<>(File&)>& fill) {
    PendingReplacement pending(files, path);
    if (!pending.made()) return pending.made();
    rt::Outcome<> result = fill(pending.file());
    return result ? pending.commit() : result;
}

rt::Outcome<> writeWholeFile(FileSystem& files, const std::string& path, std::string_view bytes) {
    return writeThenRename(files, path, [&](File& file) -> rt::Outcome<> {
        if (!file.writeAt(0, bytes.data(), bytes.size())) return rt::fail("cannot write it");
        return {};
    });
}

MadeFolders makeFolderPath(FileSystem& files, const std::string& path) {
    MadeFolders made;
    std::string whole = path;
    const std::size_t rootLength = rootOf(whole).length;
    while (whole.size() > rootLength && isPathSeparator(whole.back())) whole.pop_back();
    if (whole.empty()) {
        made.outcome = rt::fail("no folder is named");
        return made;
    }
    // Each level ends where a separator (or the path) does, past the root.
    for (std::size_t i = rootLength; i <= whole.size(); ++i) {
        if (i < whole.size() && !isPathSeparator(whole[i])) continue;
        const std::string level = whole.substr(0, i);
        if (level.size() <= rootLength || isPathSeparator(level.back())) continue;
        if (files.folderExists(level)) continue;
        if (rt::Outcome<> madeLevel = files.makeFolder(level); !madeLevel) {
            made.outcome = madeLevel;
            return made;
        }
        made.created.push_back(level);
    }
    if (!files.folderExists(whole)) made.outcome = rt::fail("the folder is not there after it was made");
    return made;
}

} // namespace platform
