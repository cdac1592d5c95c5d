#pragma once
// The native window the host made for a form's control (null when it has
// none, e.g. a timer), found among the form window's descendants.
#include "forms/form.h"
#include "win32/control_window.h"

#include <windows.h>

namespace host {

inline HWND windowOf(const forms::Control& control) {
    struct Search {
        const forms::Control* wanted;
        HWND found = nullptr;
    } search{&control};
    auto match = [](HWND child, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        const ControlWindow* w = ControlWindow::fromHandle(child);
        if (w && &w->control() == s.wanted && w->hwnd() == child) s.found = child;
        return !s.found;
    };
    if (const auto top = reinterpret_cast<HWND>(control.form().hWnd()))
        ::EnumChildWindows(top, match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace host
