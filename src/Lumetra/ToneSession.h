#pragma once
// What Start would play at a given moment, worked out without touching the
// window: the two rates as Start leaves them (after its last step has moved
// the slider to the beat shown), whether the fade timer glides the right tone
// down, and the volume. A saved session is exactly that sound.
#include <cstdint>

namespace lumetra {

class Form1;

struct ToneSession {
    std::int32_t leftRate = 0;   // tone buffer 0, the "Left:" row
    std::int32_t rightRate = 0;  // tone buffer 1, the "Right:" row, at the start
    bool glides = false;         // the fade timer lowers the right rate each second
    std::int32_t volume = 0;     // hundredths of a dB: 0 full, -10000 silence

    // The right rate during second `second` (from 0) of the session: the fade
    // timer's first tick comes a second after Start, and its last one takes
    // the rate below where the glide stops.
    std::int32_t rightRateAt(std::int64_t second) const noexcept;
    // The difference the window's readouts show for the starting rates.
    int beatShown() const noexcept;
};

// The state of the window that Start reads.
struct StartInputs {
    bool customMode = false;        // the slider, not the list, is the source
    int listIndex = 0;              // the list's current entry, -1 for none
    int sliderPosition = 21;        // 0..30
    std::int32_t leftRate = 11025;  // HScroll1 and HScroll2 as they stand
    std::int32_t rightRate = 11025;
    bool fadeRunning = false;       // a glide already under way goes on
    std::int32_t volume = -2800;
};

StartInputs startInputsOf(const Form1& window);
ToneSession sessionStartWouldPlay(const StartInputs& in);

} // namespace lumetra
