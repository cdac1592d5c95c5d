#pragma once
// Monitors for tests: the work areas the test lays out.
#include "platform/monitors.h"

#include <vector>

namespace fakes {

class FakeMonitors : public platform::Monitors {
public:
    // One 1280 x 1024 screen at the origin, with no task bar, unless the test
    // says otherwise.
    std::vector<platform::PixelRect> screens{{0, 0, 1280, 1024}};

    std::vector<platform::PixelRect> workAreas() override { return screens; }
};

} // namespace fakes
