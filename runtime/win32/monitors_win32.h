#pragma once
// The real monitors of the desktop.
#include "platform/monitors.h"

namespace host {

class SystemMonitors : public platform::Monitors {
public:
    bool anyMonitorMeets(const platform::PixelRect& rect) override;
};

} // namespace host
