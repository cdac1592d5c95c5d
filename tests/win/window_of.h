#pragma once
// The native window the host made for a form's control (null when it has
// none, e.g. a timer, or its form has no window), found among the form
// window's descendants.
#include "forms/form.h"
#include "win32/control_window.h"

#include <windows.h>

namespace host {

inline HWND windowOf(const forms::Control& control) {
    const auto top = reinterpret_cast<HWND>(control.form().hWnd());
    if (!top) return nullptr;
    struct Search {
        const forms::Control* wanted;
        HWND found = nullptr;
    } search{&control};
    ::EnumChildWindows(
        top,
        [](HWND child, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            const ControlWindow* w = ControlWindow::fromHandle(child);
            if (!w || &w->control() != s.wanted || w->hwnd() != child) return TRUE;
            s.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace host
