#include "Lumetra/CalcWave.h"

#include "core/conversions.h"
#include "core/errors.h"

#include <cmath>

namespace lumetra {

void CalcWave::BuildWaveTable() {
    BaseFrequency = 330.0;
    // 11050, not the format's 11025: both round to the same 33 samples.
    SamplesPerPeriod = rt::toInt32(11050.0 / *BaseFrequency);
    const double pi = std::atan(1.0) * 4.0;
    const double step = pi * 2.0 / SamplesPerPeriod;
    for (std::int32_t i = 0; i <= SamplesPerPeriod; ++i) {
        if (i < 0 || i >= static_cast<std::int32_t>(WaveTable.size())) rt::raise(rt::SubscriptOutOfRange, "WaveTable");
        WaveTable[static_cast<std::size_t>(i)] = rt::toByte(std::sin(i * step) * 127.0 + 128.0);
    }
}

} // namespace lumetra
