#include "platform/monitors.h"

#include <algorithm>

namespace platform {

namespace {

bool contains(const PixelRect& area, int x, int y) {
    return area.left <= x && x < area.right && area.top <= y && y < area.bottom;
}

} // namespace

// The areas' edges cut the rectangle into cells, each wholly inside or
// wholly outside every area: one corner pixel per cell decides.
bool coveredBy(const PixelRect& rect, const std::vector<PixelRect>& areas) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return false;
    std::vector<int> xs{rect.left}, ys{rect.top};
    for (const PixelRect& a : areas) {
        for (int x : {a.left, a.right})
            if (rect.left < x && x < rect.right) xs.push_back(x);
        for (int y : {a.top, a.bottom})
            if (rect.top < y && y < rect.bottom) ys.push_back(y);
    }
    for (int x : xs)
        for (int y : ys)
            if (std::none_of(areas.begin(), areas.end(), [&](const PixelRect& a) { return contains(a, x, y); }))
                return false;
    return true;
}

} // namespace platform
