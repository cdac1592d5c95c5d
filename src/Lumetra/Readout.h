#pragma once
// The figure in hertz that the window shows for a playback rate: the rate on
// a nominal scale where 11025 samples per second read as the base frequency,
// fraction dropped. The tone heard is rate / 33, about 1.2 % higher.
#include <cstdint>

namespace lumetra {

// Quotient and product are each rounded to a double before the fraction is
// dropped, so 8085, 15435 and 16170 read one less than the exact figure.
std::int32_t nominalHertz(std::int32_t rate, double baseFrequency);

} // namespace lumetra
