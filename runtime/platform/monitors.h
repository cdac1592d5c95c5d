#pragma once
// The screens attached to the system, asked where a window may be placed:
// the work area of each (the screen less the task bar and other docked bars).
#include <vector>

namespace platform {

// A rectangle in screen pixels; right and bottom lie just outside it.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

class Monitors {
public:
    virtual ~Monitors() = default;
    // Every monitor's work area, in the coordinates windows are placed in.
    virtual std::vector<PixelRect> workAreas() = 0;
};

// Whether every pixel of `rect` lies on one of `areas` (a rectangle may span
// two monitors side by side). An empty rectangle lies nowhere.
bool coveredBy(const PixelRect& rect, const std::vector<PixelRect>& areas);

} // namespace platform
