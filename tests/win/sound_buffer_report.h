#pragma once
// What a DirectSound buffer reports about itself, asked through its own
// interface; a query that fails throws, failing the test that asked.
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace host {

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

inline SoundBufferReport reportOf(IDirectSoundBuffer& buffer) {
    DWORD frequency = 0, status = 0;
    LONG volume = 0, pan = 0;
    DSBCAPS caps{};
    caps.dwSize = sizeof caps;
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0, secondBytes = 0;
    if (FAILED(buffer.GetFrequency(&frequency)) || FAILED(buffer.GetVolume(&volume)) || FAILED(buffer.GetPan(&pan)) ||
        FAILED(buffer.GetStatus(&status)) || FAILED(buffer.GetCaps(&caps)) ||
        FAILED(buffer.Lock(0, 0, &first, &firstBytes, &second, &secondBytes, DSBLOCK_ENTIREBUFFER)))
        throw std::runtime_error("the sound buffer did not answer");
    const auto* bytes = static_cast<const std::uint8_t*>(first);
    SoundBufferReport r{static_cast<std::int32_t>(frequency), volume, pan, (status & DSBSTATUS_PLAYING) != 0,
                        (status & DSBSTATUS_LOOPING) != 0, caps.dwFlags, caps.dwBufferBytes,
                        std::vector<std::uint8_t>(bytes, bytes + firstBytes)};
    buffer.Unlock(first, firstBytes, second, secondBytes);
    return r;
}

} // namespace host
