#include "win32/folder_picker_win32.h"

#include "win32/handles.h"
#include "win32/utf8_paths.h"
#include "win32/wide_text.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <type_traits>

namespace host {

namespace {

// False when the dialog could not be made at all (the caller then tries the
// older browser); `chosen` stays empty when the user cancelled.
bool askItemDialog(const platform::FolderRequest& request, std::optional<std::string>& chosen) {
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                                  dialog.putVoid())))
        return false;
    dialog->SetTitle(widen(request.title).c_str());
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    ComPtr<IShellItem> start;
    if (!request.start.empty() &&
        SUCCEEDED(::SHCreateItemFromParsingName(widenUtf8(request.start).c_str(), nullptr, IID_IShellItem,
                                                start.putVoid())))
        dialog->SetFolder(start.get());
    if (FAILED(dialog->Show(reinterpret_cast<HWND>(request.owner)))) return true;
    ComPtr<IShellItem> item;
    UniqueTaskMemory<wchar_t> path;
    if (SUCCEEDED(dialog->GetResult(item.put())) && SUCCEEDED(item->GetDisplayName(SIGDN_FILESYSPATH, path.put())))
        chosen = narrowToUtf8(path.get());
    return true;
}

// Opens the older browser in the request's folder.
int CALLBACK startIn(HWND window, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start) ::SendMessageW(window, BFFM_SETSELECTIONW, TRUE, start);
    return 0;
}

std::optional<std::string> askOlderBrowser(const platform::FolderRequest& request) {
    const std::wstring title = widen(request.title), start = widenUtf8(request.start);
    BROWSEINFOW info{};
    info.hwndOwner = reinterpret_cast<HWND>(request.owner);
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = startIn;
    info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
    const UniqueTaskMemory<std::remove_pointer_t<PIDLIST_ABSOLUTE>> picked(::SHBrowseForFolderW(&info));
    if (!picked) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetPathFromIDListW(picked.get(), path)) return std::nullopt;
    return narrowToUtf8(path);
}

} // namespace

std::optional<std::string> SystemFolderPicker::pickFolder(const platform::FolderRequest& request) {
    // The dialogs are COM objects: the thread needs an apartment while one is up.
    ComApartment com;
    std::optional<std::string> chosen;
    if (!askItemDialog(request, chosen)) chosen = askOlderBrowser(request);
    return chosen;
}

} // namespace host
