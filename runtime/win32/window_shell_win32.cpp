#include "win32/window_shell_win32.h"

#include "forms/form.h"

#include <windows.h>
#include <shellapi.h>

namespace host {

void Win32WindowShell::dragWindow(forms::Form& form) {
    HWND window = reinterpret_cast<HWND>(form.hWnd());
    if (!window) return;
    ::ReleaseCapture();
    // As if the left button went down on a caption bar: the system moves the
    // window with the mouse until the button is released.
    ::SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Win32WindowShell::openUrl(const std::string& url) {
    ::ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace host
