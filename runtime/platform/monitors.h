#pragma once
// The screens attached to the system, asked one question: would a window at
// this place be seen on any of them?
namespace platform {

// A rectangle in screen pixels; right and bottom lie just outside it.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

class Monitors {
public:
    virtual ~Monitors() = default;
    // True when the rectangle shares at least one pixel with some monitor.
    virtual bool anyMonitorMeets(const PixelRect& rect) = 0;
};

} // namespace platform
