// The Windows side of the path module: the system's full form of a path,
// with 8.3 short names spelled out; the identity of a file (volume serial
// number and file index); and whether a running program holds a file.
#include "win32/system_files.h"

#include "win32/handles.h"
#include "win32/system_message.h"
#include "win32/utf8_paths.h"

namespace host {

namespace {

std::wstring fullPathName(const std::wstring& path) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
        if (n == 0) return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(n);
    }
}

// The long names of an existing path; empty when it does not exist.
std::wstring longPathName(const std::wstring& path) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetLongPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(n);
    }
}

// Long names for the part of a full path that exists; the rest (a folder
// still to be made) stays as written.
std::wstring withLongNames(std::wstring full) {
    while (full.size() > 3 && full.back() == L'\\') full.pop_back();
    std::size_t cut = full.size();
    for (;;) {
        const std::wstring head = full.substr(0, cut);
        if (const std::wstring longHead = longPathName(head); !longHead.empty()) return longHead + full.substr(cut);
        const std::size_t separator = head.find_last_of(L'\\');
        if (separator == std::wstring::npos || separator < 3) return full;
        cut = separator;
    }
}

} // namespace

std::optional<std::string> SystemFileSystem::systemFullPath(const std::string& path) {
    const std::wstring full = fullPathName(widenUtf8(path));
    if (full.empty()) return std::nullopt;
    return narrowToUtf8(withLongNames(full));
}

rt::Outcome<platform::FileIdentity> SystemFileSystem::identity(const std::string& path) {
    // Backup semantics open folders too; no access is asked for, so a file in
    // use still answers.
    const UniqueFile file(::CreateFileW(widenUtf8(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file || !::GetFileInformationByHandle(file.get(), &information))
        return rt::fail(systemMessage(::GetLastError()));
    return platform::FileIdentity{information.dwVolumeSerialNumber,
                                  static_cast<std::uint64_t>(information.nFileIndexHigh) << 32 | information.nFileIndexLow};
}

// A running program's file is mapped as its image: Windows (and Wine) refuse
// to open it for writing with a sharing violation, whatever sharing is offered.
bool SystemFileSystem::inUse(const std::string& path) {
    const UniqueFile file(::CreateFileW(widenUtf8(path).c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) return false;
    const DWORD error = ::GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

} // namespace host
