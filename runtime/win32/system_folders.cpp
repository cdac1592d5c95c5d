#include "win32/system_folders.h"

#include "win32/utf8_paths.h"

#include <knownfolders.h>
#include <shlobj.h>

#include "platform/paths.h"

namespace host {

std::string SystemFolders::programFile() {
    // Long paths: grow the buffer until the whole name fits.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return narrowToUtf8(buffer);
}

std::string SystemFolders::programFolder() {
    return platform::parentFolder(programFile());
}

std::string SystemFolders::windowsFolder() {
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_Windows, KF_FLAG_DEFAULT, nullptr, &path)) && path) {
        folder = narrowToUtf8(path);
    }
    ::CoTaskMemFree(path);
    return folder;
}

namespace {

std::string knownFolder(const KNOWNFOLDERID& id) {
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path)) && path) folder = narrowToUtf8(path);
    ::CoTaskMemFree(path);
    return folder;
}

} // namespace

std::string SystemFolders::userAppDataFolder() { return knownFolder(FOLDERID_RoamingAppData); }

// The folder of this program's own kind: a 32-bit program on 64-bit Windows
// gets "Program Files (x86)".
std::string SystemFolders::programFilesFolder() { return knownFolder(FOLDERID_ProgramFiles); }

} // namespace host
