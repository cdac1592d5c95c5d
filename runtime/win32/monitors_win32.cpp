#include "win32/monitors_win32.h"

#include <windows.h>

namespace host {

namespace {

BOOL CALLBACK addWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcWork;
        reinterpret_cast<std::vector<platform::PixelRect>*>(list)->push_back({r.left, r.top, r.right, r.bottom});
    }
    return TRUE;
}

} // namespace

std::vector<platform::PixelRect> SystemMonitors::workAreas() {
    std::vector<platform::PixelRect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, addWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

} // namespace host
