#pragma once
// Functions that Windows 7 SP1 lacks, looked up at run time so that the
// programs still start there (a direct import stops the loader before any of
// our code runs). Each falls back to what the older system offers.
#include <windows.h>

namespace host {

// Loaded DLLs come from the system folder only; without
// SetDefaultDllDirectories (Windows 7 before KB2533623) the current folder
// at least leaves the search.
void restrictDllSearch();
// Per-monitor awareness where the system has it; elsewhere the manifest's
// system-wide awareness stands.
void becomeDpiAware();
// Without the per-window calls (before Windows 10 1607) every window has the
// system's DPI, read from the screen's device context.
UINT systemDpi();
UINT windowDpi(HWND window);
BOOL adjustWindowRect(RECT* rect, DWORD style, DWORD exStyle, UINT dpi);
int systemMetric(int index, UINT dpi);

} // namespace host
