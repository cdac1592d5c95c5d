#include "Setup/archive/binary_file.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace setup {

namespace {

bool kernelCopyAllowed = true;

const char* modeText(BinaryFile::Mode mode) {
    switch (mode) {
    case BinaryFile::Mode::Read: return "rb";
    case BinaryFile::Mode::ReadWrite: return "r+b";
    case BinaryFile::Mode::CreateNew: return "w+b";
    }
    return "rb";
}

enum class Kind { Missing, File, Other };

Kind kindOf(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return Kind::Missing;
    if (ec) return Kind::Other;
    return status.type() == std::filesystem::file_type::regular ? Kind::File : Kind::Other;
}

} // namespace

std::filesystem::path nativePath(const std::string& path) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
#else
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    return std::filesystem::path(p);
#endif
}

BinaryFile::~BinaryFile() { close(); }

bool BinaryFile::open(const std::string& path, Mode mode) {
    close();
    const std::filesystem::path p = nativePath(path);
    // Only plain files: a folder or a device is not an archive or a member.
    const Kind kind = kindOf(p);
    if (kind == Kind::Other) return false;
    if (mode == Mode::ReadWrite && kind == Kind::Missing) mode = Mode::CreateNew;
#ifdef _WIN32
    const std::string m = modeText(mode);
    file_ = ::_wfopen(p.c_str(), std::wstring(m.begin(), m.end()).c_str());
#else
    file_ = std::fopen(p.c_str(), modeText(mode));
#endif
    if (!file_) return false;
    // The readers keep their own buffers; a second one in the C library only copies.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return true;
}

bool BinaryFile::close() {
    if (!file_) return true;
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
}

bool BinaryFile::seek(std::int64_t offset) {
#ifdef _WIN32
    return _fseeki64(file_, offset, SEEK_SET) == 0;
#else
    return fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

std::int64_t BinaryFile::size() {
    if (!file_) return -1;
#ifdef _WIN32
    if (_fseeki64(file_, 0, SEEK_END) != 0) return -1;
    return _ftelli64(file_);
#else
    if (fseeko(file_, 0, SEEK_END) != 0) return -1;
    return static_cast<std::int64_t>(ftello(file_));
#endif
}

std::size_t BinaryFile::readAt(std::int64_t offset, void* buffer, std::size_t n) {
    if (!file_ || n == 0 || !seek(offset)) return 0;
    return std::fread(buffer, 1, n, file_);
}

bool BinaryFile::writeAt(std::int64_t offset, const void* buffer, std::size_t n) {
    if (!file_ || !seek(offset)) return false;
    return n == 0 || std::fwrite(buffer, 1, n, file_) == n;
}

void BinaryFile::allowKernelCopy(bool allow) noexcept { kernelCopyAllowed = allow; }

bool BinaryFile::copyFrom(BinaryFile& source, std::int64_t from, std::int64_t to, std::int64_t n, std::size_t chunk) {
    if (!file_ || !source.file_) return false;
#ifdef __linux__
    // The kernel copies between the two files without a user buffer; both
    // streams are unbuffered, so nothing is pending in the C library.
    if (kernelCopyAllowed) {
        loff_t in = from, out = to;
        std::int64_t left = n;
        while (left > 0) {
            const ssize_t done = ::copy_file_range(fileno(source.file_), &in, fileno(file_), &out,
                                                   static_cast<std::size_t>(std::min<std::int64_t>(left, 1 << 30)), 0);
            if (done <= 0) break;  // not supported here, or the source ended: the loop below decides
            left -= done;
        }
        from += n - left;
        to += n - left;
        n = left;
    }
#endif
    if (n <= 0) return true;
    const std::size_t bufferSize = static_cast<std::size_t>(std::min<std::int64_t>(n, static_cast<std::int64_t>(chunk)));
    auto buffer = std::make_unique_for_overwrite<char[]>(bufferSize);
    for (std::int64_t done = 0; done < n;) {
        const std::size_t part = static_cast<std::size_t>(std::min<std::int64_t>(n - done, static_cast<std::int64_t>(bufferSize)));
        if (source.readAt(from + done, buffer.get(), part) != part) return false;
        if (!writeAt(to + done, buffer.get(), part)) return false;
        done += static_cast<std::int64_t>(part);
    }
    return true;
}

bool BinaryFile::truncate(std::int64_t length) {
    if (!file_ || std::fflush(file_) != 0) return false;
#ifdef _WIN32
    return _chsize_s(_fileno(file_), length) == 0;
#else
    return ::ftruncate(fileno(file_), static_cast<off_t>(length)) == 0;
#endif
}

bool fileExists(const std::string& path) { return kindOf(nativePath(path)) != Kind::Missing; }

bool removeFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::remove(nativePath(path), ec);
}

bool replaceFile(const std::string& from, const std::string& to) {
    // One step on every system: on Windows the library replaces through
    // MoveFileEx, so the destination is never missing in between.
    std::error_code ec;
    std::filesystem::rename(nativePath(from), nativePath(to), ec);
    return !ec;
}

} // namespace setup
