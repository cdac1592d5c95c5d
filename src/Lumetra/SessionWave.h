#pragma once
// The samples of a saved session: each tone a pure sine at its playback rate
// / 33 Hz (the pitch the looping 33-sample buffer gives), "Left:" in the left
// channel and "Right:" in the right, at the volume bar's attenuation, the
// right tone gliding as the fade timer would lower it. Rendered block by
// block: the memory used does not grow with the length.
#include "Lumetra/ToneSession.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumetra {

class SessionWave {
public:
    SessionWave(const ToneSession& session, std::uint32_t frames);

    std::uint32_t frames() const noexcept { return total_; }
    std::uint32_t framesDone() const noexcept { return done_; }

    // Writes the next min(n, frames left) frames into `out` as 16-bit
    // little-endian left/right pairs (4 bytes a frame); returns how many.
    std::size_t render(std::uint8_t* out, std::size_t n);

private:
    // One cycle of a tone is kPhaseSteps steps: a tone at rate r moves r steps
    // a sample, so the phase stays exact (a whole number) over any length and
    // carries on unbroken across every change of rate.
    static constexpr std::uint32_t kPhaseSteps = 33 * 44100;

    ToneSession session_;
    std::vector<std::int16_t> sine_;  // one cycle at the session's amplitude
    std::uint32_t total_;
    std::uint32_t done_ = 0;
    std::uint32_t leftPhase_ = 0, rightPhase_ = 0;
};

} // namespace lumetra
