#include "win32/window_choice_menu.h"

#include "win32/guarded_subclass.h"
#include "win32/wide_text.h"

#include <windows.h>
#include <commctrl.h>

namespace host {

namespace {
constexpr UINT_PTR kSubclassId = 0x5A7F;
}

struct WindowChoiceMenu::Impl {
    HWND hwnd;
    HMENU popup;
    int count;
    Choices choices;

    // The submenu's caption, its items' captions and the check, as they are now.
    void refresh() {
        if (HMENU menu = ::GetSystemMenu(hwnd, FALSE)) {
            const std::wstring title = widen(choices.title());
            for (int i = ::GetMenuItemCount(menu) - 1; i >= 0; --i)
                if (::GetSubMenu(menu, i) == popup)
                    ::ModifyMenuW(menu, static_cast<UINT>(i), MF_BYPOSITION | MF_POPUP | MF_STRING,
                                  reinterpret_cast<UINT_PTR>(popup), title.c_str());
        }
        const std::vector<std::string> items = choices.items();
        for (int i = 0; i < count && i < static_cast<int>(items.size()); ++i)
            ::ModifyMenuW(popup, itemId(i), MF_BYCOMMAND | MF_STRING, itemId(i), widen(items[static_cast<std::size_t>(i)]).c_str());
        ::CheckMenuRadioItem(popup, itemId(0), itemId(count - 1), itemId(choices.checked()), MF_BYCOMMAND);
    }

    // The index of a command of ours, or -1.
    int indexOf(WPARAM command) const {
        for (int i = 0; i < count; ++i)
            if ((command & 0xFFF0) == itemId(i)) return i;
        return -1;
    }

    LRESULT message(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
        case WM_INITMENUPOPUP:
            if (HIWORD(lp) || reinterpret_cast<HMENU>(wp) == popup) refresh();
            break;
        // An item of a submenu comes as a window-menu command, or on some
        // systems as a plain menu command.
        case WM_SYSCOMMAND: case WM_COMMAND:
            if (msg == WM_COMMAND && (lp != 0 || HIWORD(wp) != 0)) break;
            if (const int index = indexOf(msg == WM_COMMAND ? LOWORD(wp) : wp); index >= 0) {
                choices.choose(index);
                return 0;
            }
            break;
        default: break;
        }
        return ::DefSubclassProc(window, msg, wp, lp);
    }
};

WindowChoiceMenu::WindowChoiceMenu(forms::Form& form, unsigned beforeItem, Choices choices)
    : impl_(std::make_unique<Impl>(Impl{reinterpret_cast<HWND>(form.hWnd()), ::CreatePopupMenu(), 0, std::move(choices)})) {
    if (!impl_->hwnd || !impl_->popup) return;
    impl_->count = static_cast<int>(impl_->choices.items().size());
    for (int i = 0; i < impl_->count; ++i) ::AppendMenuW(impl_->popup, MF_STRING, itemId(i), L"");
    impl_->refresh();
    HMENU menu = ::GetSystemMenu(impl_->hwnd, FALSE);
    if (!menu) return;
    const std::wstring title = widen(impl_->choices.title());
    const UINT flags = MF_POPUP | MF_STRING;
    const auto popup = reinterpret_cast<UINT_PTR>(impl_->popup);
    if (!::InsertMenuW(menu, beforeItem, MF_BYCOMMAND | flags, popup, title.c_str())) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, flags, popup, title.c_str());
    }
    addGuardedSubclass<Impl, kSubclassId>(impl_.get());
}

WindowChoiceMenu::~WindowChoiceMenu() {
    removeGuardedSubclass<Impl, kSubclassId>(impl_.get());
}

} // namespace host
