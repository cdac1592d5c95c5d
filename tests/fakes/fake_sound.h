#pragma once
// A sound system for tests: records every call in order ("buffer2 setFrequency
// 13397") and keeps each buffer's state after it is released, so tests can ask
// what would have sounded. Failures are switched on by the test.
#include "platform/sound.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace fakes {

struct FakeBufferState {
    platform::SoundBufferDesc desc;
    platform::WaveFormat format;
    std::int32_t frequency = 0;
    std::int32_t volume = 0;
    std::int32_t pan = 0;
    bool playing = false;
    bool looping = false;
    bool released = false;
    std::vector<std::uint8_t> data;
    // Sounding: made, not released, playing.
    bool sounding() const noexcept { return playing && !released; }
};

class FakeSoundSystem : public platform::SoundSystem {
public:
    std::unique_ptr<platform::SoundLibrary> loadLibrary() override;

    std::vector<std::string> log;
    // Buffers by number, counting from 1 over the whole test.
    std::map<int, FakeBufferState> buffers;
    int devicesMade = 0;
    int librariesLoaded = 0;
    int librariesLive = 0;
    int devicesLive = 0;

    // Failures a test can switch on.
    bool noDevice = false;                           // the library loads, no device opens
    std::int32_t minRate = 100, maxRate = 200000;    // rates outside are refused

    // The last buffer made (0 when none).
    int lastBuffer() const noexcept { return buffers.empty() ? 0 : buffers.rbegin()->first; }
    FakeBufferState& buffer(int id) { return buffers.at(id); }
    // Every logged call that starts with `prefix`, in order.
    std::vector<std::string> callsOf(const std::string& prefix) const;
};

} // namespace fakes
