#pragma once
// The beat slider's rates: position n puts the left tone at kSliderLeftRate
// and the right tone at kSliderRightRates[n], chosen so that the window's
// difference readout shows exactly n.
#include <array>
#include <cstdint>

namespace lumetra {

inline constexpr int kSliderPositions = 31;
inline constexpr std::int32_t kSliderLeftRate = 13397;

extern const std::array<std::int32_t, kSliderPositions> kSliderRightRates;

} // namespace lumetra
