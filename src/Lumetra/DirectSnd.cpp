#include "Lumetra/DirectSnd.h"

#include "Lumetra/VolumeRamp.h"

#include "core/errors.h"

#include <string>

namespace lumetra {

namespace {
constexpr std::int32_t kSilence = -10000;
}

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
    sounding_ = true;
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

void DirectSnd::FadeOut() {
    if (!sounding_ || !SoundDevice) return;
    sounding_ = false;
    rt::ResumeNext steps;
    std::array<std::int32_t, 2> from{kSilence, kSilence};
    for (int i = 0; i < 2; ++i)
        if (hasBuffer(i)) steps([&] { from[static_cast<std::size_t>(i)] = buffer(i).volume(); });
    // Silent already (a sleep timer's fade has run): nothing to wait for.
    if (from[0] <= kSilence && from[1] <= kSilence) return;
    for (int step = 1; step <= kFadeOutSteps; ++step) {
        steps([&] { SoundDevice->letPlay(kFadeOutStepMs); });
        const double amplitude = 1.0 - static_cast<double>(step) / kFadeOutSteps;
        for (int i = 0; i < 2; ++i)
            if (hasBuffer(i) && from[static_cast<std::size_t>(i)] > kSilence)
                steps([&] { buffer(i).setVolume(scaledVolume(from[static_cast<std::size_t>(i)], amplitude)); });
    }
}

void DirectSnd::StopSound() {
    FadeOut();
    rt::ResumeNext steps;
    for (int i = 0; i < 2; ++i)
        if (hasBuffer(i)) steps([&] { buffer(i).stop(); });
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
