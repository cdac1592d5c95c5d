#pragma once
// Fades linear in amplitude: the device takes volumes in hundredths of a
// decibel, so each step of amplitude is turned into decibels. A fade linear
// in decibels would leave most of its loudness to the last steps, and the
// last step to silence would still click.
#include <cstdint>

namespace lumetra {

// What plays `amplitude` (1 as loud as `volume`, 0 silence) of `volume`,
// in hundredths of a decibel, -10000 (silence) at the least.
std::int32_t scaledVolume(std::int32_t volume, double amplitude);

} // namespace lumetra
