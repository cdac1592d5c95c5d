#pragma once
// Handles the messages waiting for the test's windows without waiting for
// more: what the message loop does, one round at a time.
#include "win32/dispatch_guard.h"
#include "win32/host.h"

#include <windows.h>

namespace host {

inline void pump(Application& app) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        app.dispatch(msg);
    }
    // A message sent straight to a window (not queued) may have failed too.
    rethrowPendingException();
}

} // namespace host
