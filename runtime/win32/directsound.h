#pragma once
// The sound interface over DirectSound: dsound.dll is loaded when the library
// is first asked for and freed when the last object made from it goes.
#include "platform/sound.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace host {

std::unique_ptr<platform::SoundSystem> makeDirectSoundSystem();

// What a DirectSound buffer reports about itself (for tests).
struct SoundBufferReport {
    std::int32_t frequency = 0;
    std::int32_t volume = 0;
    std::int32_t pan = 0;
    bool playing = false;
    bool looping = false;
    std::uint32_t capabilitiesFlags = 0;
    std::uint32_t bytes = 0;
    std::vector<std::uint8_t> content;
};
// Raises rt::Error when `buffer` is not a DirectSound buffer or a query fails.
SoundBufferReport inspectDirectSoundBuffer(platform::SoundBuffer& buffer);

} // namespace host
