#include "win32/monitors_win32.h"

#include <windows.h>

namespace host {

bool SystemMonitors::anyMonitorMeets(const platform::PixelRect& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return false;
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    return ::MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

} // namespace host
