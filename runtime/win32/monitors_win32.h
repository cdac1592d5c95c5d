#pragma once
// The real monitors of the desktop.
#include "platform/monitors.h"

namespace host {

class SystemMonitors : public platform::Monitors {
public:
    std::vector<platform::PixelRect> workAreas() override;
};

} // namespace host
