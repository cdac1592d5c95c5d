#include "win32/system_files.h"

#include "win32/handles.h"
#include "win32/system_message.h"
#include "win32/utf8_paths.h"

#include "platform/paths.h"

#include <algorithm>
#include <utility>

namespace host {

namespace {

bool isRegularFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Reads and writes at byte positions through the OVERLAPPED offset, which a
// handle opened for plain (not overlapped) access takes as the position.
OVERLAPPED at(std::int64_t offset) {
    OVERLAPPED o{};
    o.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
    o.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return o;
}

constexpr std::size_t kLargestCall = 0x10000000;

class SystemFile : public platform::File {
public:
    explicit SystemFile(HANDLE h) noexcept : file_(h) {}

    std::int64_t size() override {
        LARGE_INTEGER length{};
        return file_ && ::GetFileSizeEx(file_.get(), &length) ? length.QuadPart : -1;
    }

    std::size_t readAt(std::int64_t offset, void* buffer, std::size_t n) override {
        std::size_t done = 0;
        while (file_ && done < n) {
            OVERLAPPED o = at(offset + static_cast<std::int64_t>(done));
            DWORD got = 0;
            const DWORD ask = static_cast<DWORD>(std::min(n - done, kLargestCall));
            if (!::ReadFile(file_.get(), static_cast<char*>(buffer) + done, ask, &got, &o) || got == 0) break;
            done += got;
        }
        return done;
    }

    rt::Outcome<> writeAt(std::int64_t offset, const void* buffer, std::size_t n) override {
        if (!file_) return failed(ERROR_INVALID_HANDLE);
        written_ = true;
        for (std::size_t done = 0; done < n;) {
            OVERLAPPED o = at(offset + static_cast<std::int64_t>(done));
            DWORD put = 0;
            const DWORD ask = static_cast<DWORD>(std::min(n - done, kLargestCall));
            if (!::WriteFile(file_.get(), static_cast<const char*>(buffer) + done, ask, &put, &o))
                return failed(::GetLastError());
            if (put == 0) return failed(ERROR_DISK_FULL);  // accepted, nothing written: no room left
            done += put;
        }
        return {};
    }

    rt::Outcome<> flush() override {
        if (!file_) return failed(ERROR_INVALID_HANDLE);
        if (!::FlushFileBuffers(file_.get())) return failed(::GetLastError());
        return {};
    }

    rt::Outcome<> truncate(std::int64_t length) override {
        if (!file_) return failed(ERROR_INVALID_HANDLE);
        written_ = true;
        LARGE_INTEGER position{};
        position.QuadPart = length;
        if (!::SetFilePointerEx(file_.get(), position, nullptr, FILE_BEGIN) || !::SetEndOfFile(file_.get()))
            return failed(::GetLastError());
        return {};
    }

    // What was written is on the disk before the file is closed, so a rename
    // that follows never shows a file whose data is still on its way.
    rt::Outcome<> close() override {
        if (!file_) return failed(ERROR_INVALID_HANDLE);
        const DWORD flushError = !written_ || ::FlushFileBuffers(file_.get()) ? ERROR_SUCCESS : ::GetLastError();
        // Closing can report a failed delayed write; say so.
        if (!::CloseHandle(file_.release())) return failed(::GetLastError());
        if (flushError != ERROR_SUCCESS) return failed(flushError);
        return {};
    }

private:
    static rt::Failure<> failed(DWORD error) { return rt::fail(systemMessage(error)); }

    UniqueFile file_;
    bool written_ = false;
};

} // namespace

rt::Outcome<std::int64_t> SystemFileSystem::lastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(widenUtf8(path).c_str(), GetFileExInfoStandard, &data))
        return rt::fail(systemMessage(::GetLastError()));
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return rt::fail("it is a folder");
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 |
                                     data.ftLastWriteTime.dwLowDateTime);
}

bool SystemFileSystem::fileExists(const std::string& path) {
    return isRegularFile(widenUtf8(path));
}

bool SystemFileSystem::folderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(widenUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

rt::Outcome<std::uint64_t> SystemFileSystem::freeSpace(const std::string& folder) {
    // What this user may write: a disk quota can leave less than the drive's free space.
    ULARGE_INTEGER available{};
    if (!::GetDiskFreeSpaceExW(widenUtf8(folder).c_str(), &available, nullptr, nullptr))
        return rt::fail(systemMessage(::GetLastError()));
    return available.QuadPart;
}

platform::OpenedFile SystemFileSystem::openFile(const std::string& path, platform::OpenMode mode) {
    using platform::OpenMode;
    const DWORD access = mode == OpenMode::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const DWORD share = mode == OpenMode::Read ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
    const DWORD disposition = mode == OpenMode::CreateNew ? CREATE_NEW : OPEN_EXISTING;
    UniqueFile handle(::CreateFileW(widenUtf8(path).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    using platform::OpenFailure;
    if (!handle) {
        const DWORD error = ::GetLastError();
        return rt::fail(error == ERROR_FILE_NOT_FOUND ? OpenFailure::Missing
                        : error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? OpenFailure::AlreadyExists
                                                                                      : OpenFailure::Other,
                        systemMessage(error));
    }
    // CON, NUL, COM1 and pipes open too: only a file on a disk is one.
    if (::GetFileType(handle.get()) != FILE_TYPE_DISK) return rt::fail(OpenFailure::Other, "it is not a plain file");
    return platform::OpenedFile(std::make_unique<SystemFile>(handle.release()));
}

rt::Outcome<> SystemFileSystem::writeFile(const std::string& path, std::string_view bytes) {
    UniqueFile handle(::CreateFileW(widenUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return rt::fail(systemMessage(::GetLastError()));
    SystemFile file(handle.release());
    const rt::Outcome<> wrote = file.writeAt(0, bytes.data(), bytes.size());
    const rt::Outcome<> closed = file.close();
    return wrote ? closed : wrote;
}

rt::Outcome<> SystemFileSystem::replaceFile(const std::string& from, const std::string& to) {
    // Windows refuses to rename over a read-only file, Wine does not: asking
    // first gives both the same answer.
    const DWORD attributes = ::GetFileAttributesW(widenUtf8(to).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
        (attributes & FILE_ATTRIBUTE_READONLY))
        return rt::fail(platform::kReadOnlyReason);
    if (::MoveFileExW(widenUtf8(from).c_str(), widenUtf8(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return rt::fail(systemMessage(::GetLastError()));
}

rt::Outcome<> SystemFileSystem::makeFolder(const std::string& path) {
    const std::wstring wide = widenUtf8(path);
    if (::CreateDirectoryW(wide.c_str(), nullptr)) return {};
    const DWORD error = ::GetLastError();
    if (folderExists(path)) return {};
    return rt::fail(systemMessage(error));
}

rt::Outcome<std::vector<std::string>> SystemFileSystem::listFiles(const std::string& folder) {
    WIN32_FIND_DATAW found;
    const UniqueFind search(::FindFirstFileExW(widenUtf8(platform::joinPath(folder, "*")).c_str(), FindExInfoBasic,
                                               &found, FindExSearchNameMatch, nullptr, 0));
    if (!search) {
        // Only an empty drive root has no match at all (a folder has "." and "..").
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return std::vector<std::string>{};
        return rt::fail(systemMessage(error));
    }
    std::vector<std::string> names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(narrowToUtf8(found.cFileName));
    } while (::FindNextFileW(search.get(), &found));
    if (const DWORD error = ::GetLastError(); error != ERROR_NO_MORE_FILES) return rt::fail(systemMessage(error));
    return names;
}

rt::Outcome<> SystemFileSystem::deleteFile(const std::string& path) {
    const std::wstring wide = widenUtf8(path);
    if (::DeleteFileW(wide.c_str())) return {};
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    // The system only says "Access is denied." for a read-only file.
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return rt::fail(platform::kReadOnlyReason);
    return rt::fail(systemMessage(error));
}

rt::Outcome<> SystemFileSystem::removeEmptyFolder(const std::string& path) {
    const std::wstring wide = widenUtf8(path);
    if (::RemoveDirectoryW(wide.c_str())) return {};
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    return rt::fail(systemMessage(error));
}

} // namespace host

namespace platform {

FileSystem& files() {
    static host::SystemFileSystem system;
    return system;
}

} // namespace platform
