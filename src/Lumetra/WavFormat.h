#pragma once
// The saved session's file format: a plain RIFF/WAVE file of 16-bit stereo
// PCM at 44,100 frames a second, the header's sizes filled in up front (the
// length is known before the first sample is written).
#include <array>
#include <cstdint>

namespace lumetra {

inline constexpr std::uint32_t kWavSampleRate = 44100;
inline constexpr std::uint32_t kWavBytesPerFrame = 4;  // two 16-bit channels
inline constexpr std::uint32_t kWavHeaderBytes = 44;
// The RIFF sizes are 32-bit: the data may fill what the header can count.
inline constexpr std::uint64_t kWavMaxFrames = (0xFFFFFFFFull - (kWavHeaderBytes - 8)) / kWavBytesPerFrame;

// The header for `frames` frames (at most kWavMaxFrames).
std::array<std::uint8_t, kWavHeaderBytes> wavHeader(std::uint32_t frames);

} // namespace lumetra
