#include "win32/shell_links.h"

#include "win32/handles.h"
#include "win32/system_folders.h"
#include "win32/system_message.h"
#include "win32/utf8_paths.h"

#include <knownfolders.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <utility>

namespace host {

namespace {

const KNOWNFOLDERID* knownFolderId(const std::string& name) {
    static const std::pair<const char*, const KNOWNFOLDERID*> kFolders[] = {
        {"Desktop", &FOLDERID_Desktop},
        {"AllUsersDesktop", &FOLDERID_PublicDesktop},
        {"Programs", &FOLDERID_Programs},
        {"StartMenu", &FOLDERID_StartMenu},
    };
    for (const auto& [shellName, id] : kFolders)
        if (name == shellName) return id;
    return nullptr;
}

ComPtr<IShellLinkW> makeLinkObject() {
    ComPtr<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.putVoid())))
        link.reset();
    return link;
}

ComPtr<IPersistFile> persistOf(const ComPtr<IShellLinkW>& link) {
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid()))) file.reset();
    return file;
}

} // namespace

std::string ShellLinks::specialFolder(const std::string& name) {
    const KNOWNFOLDERID* id = knownFolderId(name);
    return id ? knownFolderPath(*id) : std::string();
}

rt::Outcome<> ShellLinks::saveShortcut(const std::string& linkPath, const platform::Shortcut& shortcut) {
    ComApartment com;  // balanced: the program's own apartment stays as it was
    ComPtr<IShellLinkW> link = makeLinkObject();
    if (!link) return rt::fail("the shell's link object is not available");
    HRESULT result = link->SetPath(widenUtf8(shortcut.target).c_str());
    if (SUCCEEDED(result)) result = link->SetWorkingDirectory(widenUtf8(shortcut.workingFolder).c_str());
    if (SUCCEEDED(result)) result = link->SetShowCmd(shortcut.windowStyle);
    if (SUCCEEDED(result)) result = link->SetIconLocation(widenUtf8(shortcut.iconPath).c_str(), shortcut.iconIndex);
    ComPtr<IPersistFile> file = persistOf(link);
    if (SUCCEEDED(result) && !file) return rt::fail("the shell's link object cannot save files");
    if (SUCCEEDED(result)) result = file->Save(widenUtf8(linkPath).c_str(), TRUE);
    if (SUCCEEDED(result)) return {};
    // A file error comes back wrapped in an HRESULT; the system words it unwrapped.
    return rt::fail(systemMessage(HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result)
                                                                            : static_cast<DWORD>(result)));
}

std::optional<std::string> ShellLinks::linkTarget(const std::string& linkPath) {
    ComApartment com;
    ComPtr<IShellLinkW> link = makeLinkObject();
    if (!link) return std::nullopt;
    ComPtr<IPersistFile> file = persistOf(link);
    if (!file || FAILED(file->Load(widenUtf8(linkPath).c_str(), STGM_READ))) return std::nullopt;
    // As stored: resolving would go looking for a target that moved.
    wchar_t target[MAX_PATH] = {};
    if (link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH) != S_OK) return std::nullopt;
    return narrowToUtf8(target);
}

} // namespace host
