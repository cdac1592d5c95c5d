#include "win32/window_command.h"

#include "win32/dispatch_guard.h"
#include "win32/wide_text.h"

#include <commctrl.h>

namespace host {

namespace {

constexpr UINT_PTR kSubclassId = 0x5A7E;

bool held(int virtualKey) { return ::GetKeyState(virtualKey) < 0; }

} // namespace

WindowCommand::WindowCommand(Application& app, forms::Form& form, Spec spec)
    : hwnd_(reinterpret_cast<HWND>(form.hWnd())), spec_(std::move(spec)) {
    if (!hwnd_) return;
    if (HMENU menu = ::GetSystemMenu(hwnd_, FALSE)) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, kItemId, itemText().c_str());
    }
    ::SetWindowSubclass(hwnd_, &WindowCommand::subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    app.addMessageFilter([this](const MSG& msg) {
        if (!isTheKey(msg)) return false;
        guarded([this] { spec_.run(); });
        return true;
    });
}

WindowCommand::~WindowCommand() {
    if (hwnd_ && ::IsWindow(hwnd_)) ::RemoveWindowSubclass(hwnd_, &WindowCommand::subclass, kSubclassId);
    hwnd_ = nullptr;
}

// Ctrl and the letter alone, pressed in the window or any of its controls.
// With no control focused (the one that had it was disabled) the key comes to
// the window itself as a system key.
bool WindowCommand::isTheKey(const MSG& msg) const {
    return hwnd_ && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) &&
           msg.wParam == static_cast<WPARAM>(spec_.ctrlKey) &&
           held(VK_CONTROL) && !held(VK_MENU) && !held(VK_SHIFT) && msg.hwnd &&
           ::GetAncestor(msg.hwnd, GA_ROOT) == hwnd_;
}

// The caption with its key beside it, as menus show shortcuts.
std::wstring WindowCommand::itemText() const {
    return widen(spec_.caption()) + L"\tCtrl+" + static_cast<wchar_t>(spec_.ctrlKey);
}

LRESULT CALLBACK WindowCommand::subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    auto* command = reinterpret_cast<WindowCommand*>(self);
    switch (msg) {
    case WM_INITMENUPOPUP:
        if (HIWORD(lp)) {  // the system menu
            HMENU menu = reinterpret_cast<HMENU>(wp);
            ::ModifyMenuW(menu, kItemId, MF_BYCOMMAND | MF_STRING, kItemId, command->itemText().c_str());
        }
        break;
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == kItemId) {
            guarded([command] { command->spec_.run(); });
            return 0;
        }
        break;
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(hwnd, &WindowCommand::subclass, kSubclassId);
        command->hwnd_ = nullptr;
        break;
    default: break;
    }
    return ::DefSubclassProc(hwnd, msg, wp, lp);
}

} // namespace host
