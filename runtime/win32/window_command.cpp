#include "win32/window_command.h"

#include "win32/guarded_subclass.h"
#include "win32/wide_text.h"

#include <commctrl.h>

namespace host {

namespace {

constexpr UINT_PTR kSubclassId = 0x5A7E;

bool held(int virtualKey) { return ::GetKeyState(virtualKey) < 0; }

} // namespace

struct WindowCommand::Impl {
    HWND hwnd;
    Action action;

    // Ctrl and the letter alone, pressed in the window or any of its
    // controls. With no control focused (the one that had it was disabled)
    // the key comes to the window itself as a system key.
    bool isTheKey(const MSG& msg) const {
        return hwnd && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) &&
               msg.wParam == static_cast<WPARAM>(action.ctrlKey) && held(VK_CONTROL) && !held(VK_MENU) &&
               !held(VK_SHIFT) && msg.hwnd && ::GetAncestor(msg.hwnd, GA_ROOT) == hwnd;
    }

    // The caption with its key beside it, as menus show shortcuts.
    std::wstring itemText() const { return widen(action.caption()) + L"\tCtrl+" + static_cast<wchar_t>(action.ctrlKey); }

    LRESULT message(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
        case WM_INITMENUPOPUP:
            if (HIWORD(lp)) {  // the system menu
                ::ModifyMenuW(reinterpret_cast<HMENU>(wp), kItemId, MF_BYCOMMAND | MF_STRING, kItemId,
                              itemText().c_str());
            }
            break;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == kItemId) {
                action.run();
                return 0;
            }
            break;
        default: break;
        }
        return ::DefSubclassProc(window, msg, wp, lp);
    }
};

WindowCommand::WindowCommand(Application& app, forms::Form& form, Action action)
    : impl_(std::make_shared<Impl>(Impl{reinterpret_cast<HWND>(form.hWnd()), std::move(action)})) {
    Impl* impl = impl_.get();
    if (!impl->hwnd) return;
    if (HMENU menu = ::GetSystemMenu(impl->hwnd, FALSE)) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, kItemId, impl->itemText().c_str());
    }
    addGuardedSubclass<Impl, kSubclassId>(impl);
    app.addMessageFilter([weak = std::weak_ptr<Impl>(impl_)](const MSG& msg) {
        const std::shared_ptr<Impl> live = weak.lock();
        if (!live || !live->isTheKey(msg)) return false;
        live->action.run();  // in the message loop, which ends the program on an error
        return true;
    });
}

WindowCommand::~WindowCommand() {
    removeGuardedSubclass<Impl, kSubclassId>(impl_.get());
    impl_->hwnd = nullptr;
}

} // namespace host
