#include "Lumetra/DirectSnd.h"

#include "core/errors.h"

#include <string>

namespace lumetra {

void DirectSnd::OpenSound(std::uintptr_t window, const CalcWave& wave) {
    if (!DirectXRoot) DirectXRoot = system_.loadLibrary();
    if (!DirectXRoot) rt::raise(rt::ObjectNotSet, "no sound library");
    // Replacing the device releases the previous one (its old buffers keep
    // what they need until they are replaced below).
    SoundDevice = DirectXRoot->createDevice();
    SoundDevice->setCooperativeLevel(window, platform::kCooperativeNormal);

    ToneFormat = {};
    ToneFormat.formatTag = 1;  // PCM
    ToneFormat.channels = 1;
    ToneFormat.samplesPerSec = 11025;
    ToneFormat.avgBytesPerSec = 11025;
    ToneFormat.blockAlign = 1;
    ToneFormat.bitsPerSample = 8;
    ToneFormat.extraSize = 0;

    ToneBufferDesc = {};
    ToneBufferDesc.flags = platform::kBufferStatic | platform::kBufferCtrlFrequency | platform::kBufferCtrlPan |
                           platform::kBufferCtrlVolume;
    ToneBufferDesc.bufferBytes = static_cast<std::uint32_t>(wave.SamplesPerPeriod);

    ToneBuffers[0] = SoundDevice->createBuffer(ToneBufferDesc, ToneFormat);
    ToneBuffers[1] = SoundDevice->createBuffer(ToneBufferDesc, ToneFormat);
    buffer(0).play(true);
    buffer(1).play(true);
}

void DirectSnd::WriteWave(std::int16_t index, const WaveTableArray& table) {
    if (index < 0 || index > 1) rt::raise(rt::SubscriptOutOfRange, "ToneBuffers(" + std::to_string(index) + ")");
    buffer(index).writeEntire(table);
}

void DirectSnd::CloseSound() {
    ToneBuffers[0].reset();
    ToneBuffers[1].reset();
    SoundDevice.reset();
    DirectXRoot.reset();
}

bool DirectSnd::hasBuffer(int index) const noexcept {
    return index >= 0 && index <= 1 && ToneBuffers[static_cast<std::size_t>(index)] != nullptr;
}

platform::SoundBuffer& DirectSnd::buffer(int index) {
    if (index < 0 || index > 1) rt::raise(rt::SubscriptOutOfRange, "ToneBuffers(" + std::to_string(index) + ")");
    auto& b = ToneBuffers[static_cast<std::size_t>(index)];
    if (!b) rt::raise(rt::ObjectNotSet, "ToneBuffers(" + std::to_string(index) + ") not made");
    return *b;
}

} // namespace lumetra
