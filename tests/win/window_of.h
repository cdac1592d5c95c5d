#pragma once
// The native window the host made for a form's control (null when it has
// none, e.g. a timer), found among the form window's descendants.
#include "forms/form.h"
#include "win32/control_window.h"

#include <windows.h>

namespace host {

namespace detail {
struct WindowSearch {
    const forms::Control* wanted;
    HWND found = nullptr;
};

// A named CALLBACK, not a lambda: on x86 the enumerator must be stdcall.
inline BOOL CALLBACK matchControlWindow(HWND child, LPARAM data) {
    auto& s = *reinterpret_cast<WindowSearch*>(data);
    const ControlWindow* w = ControlWindow::fromHandle(child);
    if (w && &w->control() == s.wanted && w->hwnd() == child) s.found = child;
    return !s.found;
}
} // namespace detail

inline HWND windowOf(const forms::Control& control) {
    detail::WindowSearch search{&control};
    if (const auto top = reinterpret_cast<HWND>(control.form().hWnd()))
        ::EnumChildWindows(top, detail::matchControlWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace host
