#pragma once
// Monitors for tests: a list of screen rectangles the test lays out.
#include "platform/monitors.h"

#include <algorithm>
#include <vector>

namespace fakes {

class FakeMonitors : public platform::Monitors {
public:
    // One 1280 x 1024 screen at the origin unless the test says otherwise.
    std::vector<platform::PixelRect> screens{{0, 0, 1280, 1024}};
    std::vector<platform::PixelRect> asked;

    bool anyMonitorMeets(const platform::PixelRect& r) override {
        asked.push_back(r);
        return std::any_of(screens.begin(), screens.end(), [&](const platform::PixelRect& s) {
            return std::max(s.left, r.left) < std::min(s.right, r.right) &&
                   std::max(s.top, r.top) < std::min(s.bottom, r.bottom);
        });
    }
};

} // namespace fakes
