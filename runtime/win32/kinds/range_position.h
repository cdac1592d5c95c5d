#pragma once
// Windows ranges run left to right from low to high. A reversed range (Min
// above Max) is negated, so that its left end is still Min.
#include "forms/ranges.h"

#include <algorithm>

namespace host {

inline int positionOf(const forms::RangeControl& range, int value) noexcept {
    return range.min() <= range.max() ? value : -value;
}

inline int valueAt(const forms::RangeControl& range, int position) noexcept {
    return range.min() <= range.max() ? position : -position;
}

// The window's low and high ends.
inline int lowestPosition(const forms::RangeControl& range) noexcept {
    return std::min(positionOf(range, range.min()), positionOf(range, range.max()));
}
inline int highestPosition(const forms::RangeControl& range) noexcept {
    return std::max(positionOf(range, range.min()), positionOf(range, range.max()));
}

} // namespace host
