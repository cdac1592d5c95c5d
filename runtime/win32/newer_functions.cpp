#include "win32/newer_functions.h"

namespace host {

namespace {

// The function `name` of a DLL every program has loaded, or null.
template <class Function>
Function lookUp(const wchar_t* dll, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(dll), name)));
}

} // namespace

void restrictDllSearch() {
    static const auto set = lookUp<BOOL(WINAPI*)(DWORD)>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (!set || !set(LOAD_LIBRARY_SEARCH_SYSTEM32)) ::SetDllDirectoryW(L"");
}

void becomeDpiAware() {
    static const auto set = lookUp<BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT)>(L"user32.dll", "SetProcessDpiAwarenessContext");
    if (set && !set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
}

UINT systemDpi() {
    static const auto get = lookUp<UINT(WINAPI*)()>(L"user32.dll", "GetDpiForSystem");
    if (get) return get();
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

UINT windowDpi(HWND window) {
    static const auto get = lookUp<UINT(WINAPI*)(HWND)>(L"user32.dll", "GetDpiForWindow");
    return get ? get(window) : systemDpi();
}

BOOL adjustWindowRect(RECT* rect, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto adjust =
        lookUp<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(L"user32.dll", "AdjustWindowRectExForDpi");
    return adjust ? adjust(rect, style, FALSE, exStyle, dpi) : ::AdjustWindowRectEx(rect, style, FALSE, exStyle);
}

int systemMetric(int index, UINT dpi) {
    static const auto get = lookUp<int(WINAPI*)(int, UINT)>(L"user32.dll", "GetSystemMetricsForDpi");
    if (get) return get(index, dpi);
    return ::MulDiv(::GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

} // namespace host
