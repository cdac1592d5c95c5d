#include "Lumetra/SessionWave.h"

#include "Lumetra/WavFormat.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumetra {

namespace {

// The level of the 8-bit table's 127 steps above its zero line, as 16 bits.
constexpr double kFullAmplitude = 127 * 256;

// A rate outside one cycle a sample would step past the table: never from
// the scroll bars (1000..30000), and kept inside it whatever comes.
std::uint32_t phaseStep(std::int32_t rate, std::uint32_t cycle) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(rate, 0, cycle - 1));
}

void put(std::uint8_t* at, std::int16_t sample) {
    const auto bits = static_cast<std::uint16_t>(sample);
    at[0] = static_cast<std::uint8_t>(bits);
    at[1] = static_cast<std::uint8_t>(bits >> 8);
}

} // namespace

SessionWave::SessionWave(const ToneSession& session, std::uint32_t frames)
    : session_(session), sine_(kPhaseSteps), total_(frames) {
    // Hundredths of a decibel; -10000 rounds every sample to silence.
    const double amplitude = kFullAmplitude * std::pow(10.0, session.volume / 2000.0);
    for (std::uint32_t p = 0; p < kPhaseSteps; ++p)
        sine_[p] = static_cast<std::int16_t>(std::lround(amplitude * std::sin(2 * std::numbers::pi * p / kPhaseSteps)));
}

std::size_t SessionWave::render(std::uint8_t* out, std::size_t n) {
    const std::size_t wanted = std::min<std::size_t>(n, total_ - done_);
    const std::uint32_t leftStep = phaseStep(session_.leftRate, kPhaseSteps);
    std::size_t made = 0;
    while (made < wanted) {
        // A stretch within one second: the right rate holds until the next tick.
        const std::uint32_t second = done_ / kWavSampleRate;
        const std::size_t stretch = std::min<std::size_t>(wanted - made, (second + 1) * kWavSampleRate - done_);
        const std::uint32_t rightStep = phaseStep(session_.rightRateAt(second), kPhaseSteps);
        for (std::size_t i = 0; i < stretch; ++i, out += kWavBytesPerFrame) {
            put(out, sine_[leftPhase_]);
            put(out + 2, sine_[rightPhase_]);
            leftPhase_ += leftStep;
            if (leftPhase_ >= kPhaseSteps) leftPhase_ -= kPhaseSteps;
            rightPhase_ += rightStep;
            if (rightPhase_ >= kPhaseSteps) rightPhase_ -= kPhaseSteps;
        }
        made += stretch;
        done_ += static_cast<std::uint32_t>(stretch);
    }
    return made;
}

} // namespace lumetra
