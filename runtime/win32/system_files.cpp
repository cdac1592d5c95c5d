#include "win32/system_files.h"

#include "win32/handles.h"
#include "win32/utf8_paths.h"

#include "platform/paths.h"

namespace host {

namespace {

bool isRegularFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

bool SystemFileSystem::fileExists(const std::string& path) {
    return isRegularFile(widenUtf8(path));
}

std::optional<std::string> SystemFileSystem::readFile(const std::string& path) {
    UniqueFile file(::CreateFileW(widenUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char chunk[4096];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        bytes.append(chunk, got);
    }
    return bytes;
}

bool SystemFileSystem::writeFile(const std::string& path, std::string_view bytes) {
    UniqueFile file(::CreateFileW(widenUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD ask = left > 0x10000000u ? 0x10000000u : static_cast<DWORD>(left);
        DWORD wrote = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, ask, &wrote, nullptr) || wrote == 0) return false;
        done += wrote;
    }
    if (!::FlushFileBuffers(file.get())) return false;
    // Closing can report a failed delayed write; say so.
    return ::CloseHandle(file.release()) != 0;
}

bool SystemFileSystem::replaceFile(const std::string& from, const std::string& to) {
    return ::MoveFileExW(widenUtf8(from).c_str(), widenUtf8(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void SystemFileSystem::removeFile(const std::string& path) {
    const std::wstring wide = widenUtf8(path);
    if (isRegularFile(wide)) ::DeleteFileW(wide.c_str());
}

bool SystemFileSystem::makeFolder(const std::string& path) {
    const std::wstring wide = widenUtf8(path);
    if (::CreateDirectoryW(wide.c_str(), nullptr)) return true;
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SystemFileSystem::folderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(widenUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::vector<std::string>> SystemFileSystem::listFiles(const std::string& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileExW(widenUtf8(platform::joinPath(folder, "*")).c_str(), FindExInfoBasic,
                                             &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        // Only an empty drive root has no match at all (a folder has "." and "..").
        if (::GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<std::string>{};
        return std::nullopt;
    }
    std::vector<std::string> names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(narrowToUtf8(found.cFileName));
    } while (::FindNextFileW(search, &found));
    const bool complete = ::GetLastError() == ERROR_NO_MORE_FILES;
    ::FindClose(search);
    if (!complete) return std::nullopt;
    return names;
}

bool SystemFileSystem::deleteFile(const std::string& path) {
    const std::wstring wide = widenUtf8(path);
    if (::DeleteFileW(wide.c_str())) return true;
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool SystemFileSystem::removeEmptyFolder(const std::string& path) {
    const std::wstring wide = widenUtf8(path);
    if (::RemoveDirectoryW(wide.c_str())) return true;
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

} // namespace host
