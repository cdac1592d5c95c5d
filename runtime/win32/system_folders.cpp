#include "win32/system_folders.h"

#include "win32/handles.h"
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

std::string knownFolderPath(REFKNOWNFOLDERID id) {
    UniqueTaskMemory<wchar_t> path;
    if (FAILED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, path.put())) || !path) return {};
    return narrowToUtf8(path.get());
}

std::string SystemFolders::windowsFolder() { return knownFolderPath(FOLDERID_Windows); }

std::string SystemFolders::userAppDataFolder() { return knownFolderPath(FOLDERID_RoamingAppData); }

// The folder of this program's own kind: a 32-bit program on 64-bit Windows
// gets "Program Files (x86)".
std::string SystemFolders::programFilesFolder() { return knownFolderPath(FOLDERID_ProgramFiles); }

// Known to every system since Windows 7; the local application data's
// "Programs" folder is the same place where it is not.
std::string SystemFolders::userProgramsFolder() {
    const std::string folder = knownFolderPath(FOLDERID_UserProgramFiles);
    if (!folder.empty()) return folder;
    const std::string local = knownFolderPath(FOLDERID_LocalAppData);
    return local.empty() ? local : platform::joinPath(local, "Programs");
}

} // namespace host
