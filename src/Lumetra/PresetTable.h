#pragma once
// The mental-state presets, by list position. Every preset puts the left tone
// at 13397 samples per second; the right rate sets the beat.
#include <array>
#include <cstdint>

namespace lumetra {

struct Preset {
    const char* englishName;
    std::int32_t leftRate;
    std::int32_t rightRate;
    bool glides;  // the fade timer lowers the right rate once a second
};

inline constexpr int kPresetCount = 11;
inline constexpr int kSleepInduction = 9;
// The glide lowers the right rate by one a second until it is below this.
inline constexpr std::int32_t kGlideStopsBelow = 13400;

extern const std::array<Preset, kPresetCount> kPresets;

} // namespace lumetra
