#include "win32/save_dialog_win32.h"

#include "win32/handles.h"
#include "win32/utf8_paths.h"
#include "win32/wide_text.h"

#include <commdlg.h>
#include <shobjidl.h>

#include <algorithm>
#include <vector>

namespace host {

namespace {

constexpr DWORD kChoiceGroup = 1;
constexpr DWORD kChoiceList = 2;

HWND ownerOf(const platform::SaveRequest& request) { return reinterpret_cast<HWND>(request.owner); }

struct TaskMemText {
    wchar_t* text = nullptr;
    ~TaskMemText() { ::CoTaskMemFree(text); }
};

void addChoices(IFileDialogCustomize& custom, const platform::SaveRequest& request) {
    custom.StartVisualGroup(kChoiceGroup, widen(request.choiceLabel).c_str());
    custom.AddComboBox(kChoiceList);
    for (std::size_t i = 0; i < request.choices.size(); ++i)
        custom.AddControlItem(kChoiceList, static_cast<DWORD>(i), widen(request.choices[i]).c_str());
    custom.SetSelectedControlItem(kChoiceList, static_cast<DWORD>(request.chosen));
    custom.EndVisualGroup();
}

// False when the dialog could not be made at all (the caller then tries the
// classic one); `answer` stays empty when the user cancelled.
bool askItemDialog(const platform::SaveRequest& request, std::optional<platform::SaveAnswer>& answer) {
    ComPtr<IFileSaveDialog> dialog;
    if (FAILED(::CoCreateInstance(CLSID_FileSaveDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileSaveDialog,
                                  dialog.putVoid())))
        return false;
    const std::wstring title = widen(request.title), typeName = widen(request.typeName);
    const std::wstring pattern = L"*." + widen(request.extension);
    const COMDLG_FILTERSPEC filter{typeName.c_str(), pattern.c_str()};
    dialog->SetTitle(title.c_str());
    dialog->SetFileTypes(1, &filter);
    dialog->SetDefaultExtension(widen(request.extension).c_str());
    dialog->SetFileName(widenUtf8(request.proposedName).c_str());
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_OVERWRITEPROMPT | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | FOS_NOREADONLYRETURN);
    ComPtr<IFileDialogCustomize> custom;
    if (!request.choiceLabel.empty() &&
        SUCCEEDED(dialog->QueryInterface(IID_IFileDialogCustomize, custom.putVoid())))
        addChoices(*custom.get(), request);

    if (FAILED(dialog->Show(ownerOf(request)))) return true;
    ComPtr<IShellItem> item;
    TaskMemText path;
    if (FAILED(dialog->GetResult(item.put())) || FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path.text)))
        return true;
    answer = platform::SaveAnswer{narrowToUtf8(path.text), request.chosen};
    DWORD chosen = 0;
    if (custom && SUCCEEDED(custom->GetSelectedControlItem(kChoiceList, &chosen))) answer->chosen = static_cast<int>(chosen);
    return true;
}

std::optional<platform::SaveAnswer> askClassicDialog(const platform::SaveRequest& request) {
    std::wstring filter = widen(request.typeName) + L'\0' + L"*." + widen(request.extension) + L'\0' + L'\0';
    const std::wstring title = widen(request.title), extension = widen(request.extension);
    std::vector<wchar_t> path(32768, L'\0');
    const std::wstring proposed = widenUtf8(request.proposedName);
    proposed.copy(path.data(), std::min(proposed.size(), path.size() - 1));
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ownerOf(request);
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN | OFN_HIDEREADONLY;
    if (!::GetSaveFileNameW(&ofn)) return std::nullopt;
    return platform::SaveAnswer{narrowToUtf8(path.data()), request.chosen};
}

} // namespace

std::optional<platform::SaveAnswer> SystemSaveDialog::ask(const platform::SaveRequest& request) {
    std::optional<platform::SaveAnswer> answer;
    if (!askItemDialog(request, answer)) answer = askClassicDialog(request);
    return answer;
}

} // namespace host
