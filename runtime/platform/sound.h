#pragma once
// The sound output the programs play through: a library loaded once, the
// default device it opens, and small secondary buffers made on that device.
// Every call that fails raises rt::Error; an object is released by destroying it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace platform {

// A PCM wave format, field for field as the device expects it.
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;
};

// The shape of a secondary buffer: flags and size in bytes.
struct SoundBufferDesc {
    std::uint32_t flags = 0;
    std::uint32_t bufferBytes = 0;
};

// Buffer flags.
inline constexpr std::uint32_t kBufferStatic = 2;
inline constexpr std::uint32_t kBufferCtrlFrequency = 32;
inline constexpr std::uint32_t kBufferCtrlPan = 64;
inline constexpr std::uint32_t kBufferCtrlVolume = 128;

// Cooperative level for a device used beside other programs.
inline constexpr int kCooperativeNormal = 1;

class SoundBuffer {
public:
    virtual ~SoundBuffer() = default;
    // Plays the whole buffer, over and over when looping, until stopped.
    virtual void play(bool looping) = 0;
    // Fills the entire buffer from the start of `data` (also while it plays);
    // `data` must hold at least the buffer's size.
    virtual void writeEntire(std::span<const std::uint8_t> data) = 0;
    virtual void setFrequency(std::int32_t samplesPerSecond) = 0;
    // Hundredths of a decibel: 0 is full volume, -10000 silence.
    virtual void setVolume(std::int32_t hundredthsOfDb) = 0;
    virtual std::int32_t volume() = 0;
    // -10000 left only, 0 centre, 10000 right only.
    virtual void setPan(std::int32_t pan) = 0;
    virtual void stop() = 0;
};

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual void setCooperativeLevel(std::uintptr_t window, int level) = 0;
    // A new buffer: plays at the format's rate, full volume and centre pan.
    virtual std::unique_ptr<SoundBuffer> createBuffer(const SoundBufferDesc& desc, const WaveFormat& format) = 0;
    // The caller waits while the device plays on: the pace of a fade that
    // must run to its end before anything else happens.
    virtual void letPlay(int milliseconds) = 0;
};

// The loaded sound library. What it makes keeps what it needs alive, so the
// objects may be released in any order.
class SoundLibrary {
public:
    virtual ~SoundLibrary() = default;
    // Opens the default sound device.
    virtual std::unique_ptr<SoundDevice> createDevice() = 0;
};

// Where the library comes from: the real one on Windows, a fake in tests.
class SoundSystem {
public:
    virtual ~SoundSystem() = default;
    virtual std::unique_ptr<SoundLibrary> loadLibrary() = 0;
};

} // namespace platform
