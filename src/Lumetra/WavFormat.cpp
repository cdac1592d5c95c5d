#include "Lumetra/WavFormat.h"

#include <cstring>

namespace lumetra {

namespace {

class HeaderBytes {
public:
    explicit HeaderBytes(std::array<std::uint8_t, kWavHeaderBytes>& out) : out_(out) {}
    void text(const char (&four)[5]) {
        std::memcpy(&out_[at_], four, 4);
        at_ += 4;
    }
    // Little-endian, whatever the machine.
    void number(std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out_[at_++] = static_cast<std::uint8_t>(value >> (8 * i));
    }

private:
    std::array<std::uint8_t, kWavHeaderBytes>& out_;
    std::size_t at_ = 0;
};

} // namespace

std::array<std::uint8_t, kWavHeaderBytes> wavHeader(std::uint32_t frames) {
    const std::uint32_t dataBytes = frames * kWavBytesPerFrame;
    std::array<std::uint8_t, kWavHeaderBytes> header{};
    HeaderBytes h(header);
    h.text("RIFF");
    h.number(kWavHeaderBytes - 8 + dataBytes, 4);
    h.text("WAVE");
    h.text("fmt ");
    h.number(16, 4);  // the plain PCM format record
    h.number(1, 2);   // PCM
    h.number(2, 2);   // channels
    h.number(kWavSampleRate, 4);
    h.number(kWavSampleRate * kWavBytesPerFrame, 4);
    h.number(kWavBytesPerFrame, 2);
    h.number(16, 2);  // bits per sample
    h.text("data");
    h.number(dataBytes, 4);
    return header;
}

} // namespace lumetra
