#pragma once
// One period of a sine wave as unsigned 8-bit samples: the waveform that both
// tone buffers loop. A tone's pitch comes from its buffer's playback rate.
#include <array>
#include <cstdint>
#include <optional>

namespace lumetra {

using WaveTableArray = std::array<std::uint8_t, 361>;

class CalcWave {
public:
    // Fills BaseFrequency, SamplesPerPeriod and entries 0..SamplesPerPeriod of
    // WaveTable (entry SamplesPerPeriod repeats entry 0 and is never played).
    void BuildWaveTable();

    // Nominal base frequency in Hz; empty before the first build.
    std::optional<double> BaseFrequency;
    // Samples in one period, and the size in bytes of each tone buffer.
    std::int32_t SamplesPerPeriod = 0;
    WaveTableArray WaveTable{};

    // The base frequency as arithmetic sees it: empty reads as 0.
    double baseFrequencyValue() const noexcept { return BaseFrequency.value_or(0.0); }
};

} // namespace lumetra
