#include "Lumetra/PresetTable.h"

namespace lumetra {

// Stored as chosen, not computed: 1 and 6 share their rates, as do 4 and 9
// (9 glides). "Simple Hypnosis" uses the slider's row for 5 Hz, a theta beat.
const std::array<Preset, kPresetCount> kPresets{{
    {"Attention focusing", 13397, 14090, false},
    {"Creativity increase", 13397, 13880, false},
    {"Learning (for studying)", 13397, 13580, false},
    {"Meditation normal", 13397, 13610, false},
    {"Meditation deep", 13397, 13780, false},
    {"Quick mental refresher", 13397, 13700, false},
    {"Relaxation but staying focused", 13397, 13880, false},
    {"Relaxation - general", 13397, 13850, false},
    {"Schumann resonance", 13397, 13630, false},
    {"Sleep induction", 13397, 13780, true},
    {"Simple Hypnosis", 13397, 13550, false},
}};

} // namespace lumetra
