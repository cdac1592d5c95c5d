#include "platform/standard_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kPageBytes = 4096;

std::string nativePath(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

class StandardFile : public File {
public:
    explicit StandardFile(int fd) noexcept : fd_(fd) {}
    ~StandardFile() override { (void)close(); }
    StandardFile(const StandardFile&) = delete;
    StandardFile& operator=(const StandardFile&) = delete;

    std::int64_t size() override {
        struct stat st {};
        return fd_ >= 0 && ::fstat(fd_, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
    }

    std::size_t readAt(std::int64_t offset, void* buffer, std::size_t n) override {
        std::size_t done = 0;
        while (fd_ >= 0 && done < n) {
            const ssize_t got = ::pread(fd_, static_cast<char*>(buffer) + done, n - done, static_cast<off_t>(offset) + static_cast<off_t>(done));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) break;
            done += static_cast<std::size_t>(got);
        }
        return done;
    }

    rt::Outcome<> writeAt(std::int64_t offset, const void* buffer, std::size_t n) override {
        if (fd_ < 0) return closedFailure();
        for (std::size_t done = 0; done < n;) {
            const ssize_t put = ::pwrite(fd_, static_cast<const char*>(buffer) + done, n - done, static_cast<off_t>(offset) + static_cast<off_t>(done));
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) return rt::fail(std::strerror(put < 0 ? errno : ENOSPC));
            done += static_cast<std::size_t>(put);
        }
        return {};
    }

    rt::Outcome<> truncate(std::int64_t length) override {
        if (fd_ < 0) return closedFailure();
        if (::ftruncate(fd_, static_cast<off_t>(length)) != 0) return rt::fail(std::strerror(errno));
        return {};
    }

    // Delayed write errors (a full disk over NFS) show here. The native
    // builds are tools and tests: they leave the flushing to the system.
    rt::Outcome<> close() override {
        if (fd_ < 0) return closedFailure();
        const int closed = ::close(fd_);
        fd_ = -1;
        if (closed != 0) return rt::fail(std::strerror(errno));
        return {};
    }

    rt::Outcome<> copyFrom(File& source, std::int64_t from, std::int64_t to, std::int64_t n, std::size_t chunk) override {
#ifdef __linux__
        auto* other = dynamic_cast<StandardFile*>(&source);
        if (other && other->fd_ >= 0 && fd_ >= 0 && n > 0) {
            // Space given out in one piece up front: without it the file
            // system grows the file block by block as the copy goes. The
            // size stays as it is, so a copy that stops short leaves no tail.
            ::fallocate(fd_, FALLOC_FL_KEEP_SIZE, static_cast<off_t>(to), static_cast<off_t>(n));
            // The kernel copies without a user buffer, but page by page: an
            // entry that starts at an odd byte of the archive (they all do)
            // lands across two pages of the new file each time, which was
            // slower than cp; chunks through a buffer were not.
            if ((from - to) % kPageBytes == 0) copyInKernel(other->fd_, from, to, n);
        }
#endif
        return File::copyFrom(source, from, to, n, chunk);
    }

private:
#ifdef __linux__
    // Moves `from`, `to` and `n` past what the kernel copied; the rest, if
    // any (not supported here, or the source ended), is the chunks' to decide.
    void copyInKernel(int sourceFd, std::int64_t& from, std::int64_t& to, std::int64_t& n) {
        loff_t in = from, out = to;
        while (n > 0) {
            const ssize_t done =
                ::copy_file_range(sourceFd, &in, fd_, &out, static_cast<std::size_t>(std::min<std::int64_t>(n, 1 << 30)), 0);
            if (done <= 0) break;
            n -= done;
        }
        from = in;
        to = out;
    }
#endif

    static rt::Failure<> closedFailure() { return rt::fail(std::strerror(EBADF)); }

    int fd_;
};

rt::Failure<OpenFailure> openFailure(int error, std::string reason) {
    return rt::fail(error == ENOENT ? OpenFailure::Missing
                    : error == EEXIST ? OpenFailure::AlreadyExists
                                      : OpenFailure::Other,
                    std::move(reason));
}

rt::Failure<OpenFailure> openFailure(int error) { return openFailure(error, std::strerror(error)); }

} // namespace

rt::Outcome<std::int64_t> StandardFileSystem::lastWriteTime(const std::string& path) {
    if (!fileExists(path)) return rt::fail("it is not a file");
    std::error_code ec;
    const auto when = fs::last_write_time(nativePath(path), ec);
    if (ec) return rt::fail(ec.message());
    return static_cast<std::int64_t>(when.time_since_epoch().count());
}

bool StandardFileSystem::fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(nativePath(path), ec);
}

bool StandardFileSystem::folderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(nativePath(path), ec);
}

OpenedFile StandardFileSystem::openFile(const std::string& path, OpenMode mode) {
    int flags = O_CLOEXEC;
    switch (mode) {
    case OpenMode::Read: flags |= O_RDONLY; break;
    case OpenMode::ReadWrite: flags |= O_RDWR; break;
    case OpenMode::CreateNew: flags |= O_RDWR | O_CREAT | O_EXCL; break;
    }
    // Opening a FIFO must not wait for a writer: it is refused below anyway.
    const int fd = ::open(nativePath(path).c_str(), flags | O_NONBLOCK, 0666);
    if (fd < 0) return openFailure(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return openFailure(error, error == EISDIR ? "it is a folder" : "it is not a plain file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return OpenedFile(std::make_unique<StandardFile>(fd));
}

rt::Outcome<> StandardFileSystem::writeFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(nativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return rt::fail(std::strerror(errno));
    StandardFile file(fd);
    const rt::Outcome<> wrote = file.writeAt(0, bytes.data(), bytes.size());
    const rt::Outcome<> closed = file.close();
    return wrote ? closed : wrote;
}

rt::Outcome<> StandardFileSystem::replaceFile(const std::string& from, const std::string& to) {
    // A folder in the way must not be replaced (POSIX would refuse only a
    // non-empty one).
    if (folderExists(to)) return rt::fail("a folder has its name");
    // Read-only as Wine shows a file to Windows programs: nobody may write it.
    // rename() itself never looks at the target's permissions.
    struct stat st {};
    if (::stat(nativePath(to).c_str(), &st) == 0 && S_ISREG(st.st_mode) && !(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)))
        return rt::fail(kReadOnlyReason);
    if (::rename(nativePath(from).c_str(), nativePath(to).c_str()) != 0) return rt::fail(std::strerror(errno));
    return {};
}

rt::Outcome<> StandardFileSystem::makeFolder(const std::string& path) {
    std::error_code ec;
    fs::create_directory(nativePath(path), ec);
    if (folderExists(path)) return {};
    return rt::fail(ec ? ec.message() : "a file has its name");
}

rt::Outcome<std::uint64_t> StandardFileSystem::freeSpace(const std::string& folder) {
    std::error_code ec;
    const fs::space_info space = fs::space(nativePath(folder), ec);
    if (ec) return rt::fail(ec.message());
    if (space.available == static_cast<std::uintmax_t>(-1)) return rt::fail("the system does not say");
    return static_cast<std::uint64_t>(space.available);
}

FileSystem& files() {
    static StandardFileSystem standard;
    return standard;
}

rt::Outcome<std::vector<std::string>> StandardFileSystem::listFiles(const std::string& folder) {
    std::error_code ec;
    fs::directory_iterator it(nativePath(folder), ec);
    if (ec) return rt::fail(ec.message());
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : it) {
        if (!entry.is_regular_file(ec)) continue;
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

rt::Outcome<> StandardFileSystem::deleteFile(const std::string& path) {
    std::error_code ec;
    const fs::path p = nativePath(path);
    if (!fs::is_regular_file(fs::symlink_status(p, ec))) {
        if (fs::exists(fs::symlink_status(p, ec))) return rt::fail("it is not a file");
        return {};
    }
    if (fs::remove(p, ec) && !ec) return {};
    return rt::fail(ec ? ec.message() : "it cannot be deleted");
}

rt::Outcome<> StandardFileSystem::removeEmptyFolder(const std::string& path) {
    std::error_code ec;
    const fs::path p = nativePath(path);
    if (!fs::is_directory(p, ec)) {
        if (fs::exists(p, ec)) return rt::fail("it is not a folder");
        return {};
    }
    if (!fs::is_empty(p, ec) || ec) return rt::fail(ec ? ec.message() : "it is not empty");
    if (fs::remove(p, ec) && !ec) return {};
    return rt::fail(ec ? ec.message() : "it cannot be removed");
}

rt::Outcome<FileIdentity> StandardFileSystem::identity(const std::string& path) {
    struct stat st {};
    if (::stat(nativePath(path).c_str(), &st) != 0) return rt::fail(std::strerror(errno));
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

} // namespace platform
