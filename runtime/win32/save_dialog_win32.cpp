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

// Keeps the proposed name in step with the drop-down: picking another length
// proposes that length's name, unless the user has typed a name of their own.
// Lives on the stack for the dialog's one Show, between Advise and Unadvise.
class NameFollowsChoice final : public IFileDialogEvents, public IFileDialogControlEvents {
public:
    NameFollowsChoice(IFileDialog& dialog, const platform::SaveRequest& request)
        : dialog_(dialog), shown_(static_cast<std::size_t>(request.chosen)) {
        for (const std::string& name : request.choiceNames) names_.push_back(widenUtf8(name));
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IFileDialogEvents) *out = static_cast<IFileDialogEvents*>(this);
        else if (riid == IID_IFileDialogControlEvents) *out = static_cast<IFileDialogControlEvents*>(this);
        else *out = nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    // Not counted: the object outlives the dialog's use of it.
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE OnItemSelected(IFileDialogCustomize*, DWORD control, DWORD item) override {
        if (control != kChoiceList || item >= names_.size() || shown_ >= names_.size()) return S_OK;
        UniqueTaskMemory<wchar_t> current;
        if (SUCCEEDED(dialog_.GetFileName(current.put())) && current && names_[shown_] == current.get()) {
            dialog_.SetFileName(names_[item].c_str());
            shown_ = item;
        }
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE OnFileOk(IFileDialog*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnFolderChanging(IFileDialog*, IShellItem*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnFolderChange(IFileDialog*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnSelectionChange(IFileDialog*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShareViolation(IFileDialog*, IShellItem*, FDE_SHAREVIOLATION_RESPONSE*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE OnTypeChange(IFileDialog*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnOverwrite(IFileDialog*, IShellItem*, FDE_OVERWRITE_RESPONSE*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE OnButtonClicked(IFileDialogCustomize*, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnCheckButtonToggled(IFileDialogCustomize*, DWORD, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnControlActivating(IFileDialogCustomize*, DWORD) override { return S_OK; }

private:
    IFileDialog& dialog_;
    std::vector<std::wstring> names_;
    std::size_t shown_;
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

    NameFollowsChoice follower(*dialog.get(), request);
    DWORD cookie = 0;
    const bool following = custom && !request.choiceNames.empty() && SUCCEEDED(dialog->Advise(&follower, &cookie));
    const HRESULT shown = dialog->Show(ownerOf(request));
    if (following) dialog->Unadvise(cookie);
    if (FAILED(shown)) return true;
    ComPtr<IShellItem> item;
    UniqueTaskMemory<wchar_t> path;
    if (FAILED(dialog->GetResult(item.put())) || FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, path.put())))
        return true;
    answer = platform::SaveAnswer{narrowToUtf8(path.get()), request.chosen};
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
