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

std::string SystemFolders::userAppDataFolder() {
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &path)) && path) {
        folder = narrowToUtf8(path);
    }
    ::CoTaskMemFree(path);
    return folder;
}

} // namespace host
