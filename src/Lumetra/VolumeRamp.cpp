#include "Lumetra/VolumeRamp.h"

#include <algorithm>
#include <cmath>

namespace lumetra {

namespace {
constexpr std::int32_t kSilence = -10000;
}

std::int32_t scaledVolume(std::int32_t volume, double amplitude) {
    if (!(amplitude > 0)) return kSilence;
    const double hundredths = volume + 2000.0 * std::log10(std::min(amplitude, 1.0));
    return std::max(kSilence, static_cast<std::int32_t>(std::lround(hundredths)));
}

} // namespace lumetra
