#pragma once
// A window subclass whose messages the program answers: `Impl` has an `hwnd`
// (the window it is bound to, or null once that window is gone) and
// `message(window, msg, wp, lp)`, which passes on what it does not answer
// with DefSubclassProc. Each message runs inside the one guard, and the
// subclass removes itself as its window goes.
#include "win32/dispatch_guard.h"

#include <windows.h>
#include <commctrl.h>

namespace host {

template <class Impl, UINT_PTR Id>
LRESULT CALLBACK guardedSubclass(HWND window, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    auto* impl = reinterpret_cast<Impl*>(self);
    if (msg == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, &guardedSubclass<Impl, Id>, Id);
        impl->hwnd = nullptr;
        return ::DefSubclassProc(window, msg, wp, lp);
    }
    return guardedMessage([&] { return impl->message(window, msg, wp, lp); },
                          [&] { return ::DefSubclassProc(window, msg, wp, lp); });
}

template <class Impl, UINT_PTR Id>
void addGuardedSubclass(Impl* impl) {
    ::SetWindowSubclass(impl->hwnd, &guardedSubclass<Impl, Id>, Id, reinterpret_cast<DWORD_PTR>(impl));
}

// For an owner that goes before its window does.
template <class Impl, UINT_PTR Id>
void removeGuardedSubclass(Impl* impl) {
    if (impl->hwnd && ::IsWindow(impl->hwnd)) ::RemoveWindowSubclass(impl->hwnd, &guardedSubclass<Impl, Id>, Id);
}

} // namespace host
