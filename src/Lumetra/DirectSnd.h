#pragma once
// The sound output of the tone engine: one device and two looping buffers of
// one sine period each. Tone buffer 0 plays the left row's rate, buffer 1 the
// right row's. No procedure here handles its own errors: a failing call
// leaves at once and the caller decides.
#include "Lumetra/CalcWave.h"
#include "platform/sound.h"

#include <array>
#include <cstdint>
#include <memory>

namespace lumetra {

class DirectSnd {
public:
    explicit DirectSnd(platform::SoundSystem& system) : system_(system) {}

    // Opens the default device for `window` and makes, starts and replaces
    // both tone buffers, sized by the table's SamplesPerPeriod.
    void OpenSound(std::uintptr_t window, const CalcWave& wave);
    // Copies the start of `table` into the whole of tone buffer `index` (0 or 1).
    void WriteWave(std::int16_t index, const WaveTableArray& table);
    // Releases buffer 0, buffer 1, the device and the library, in that order.
    void CloseSound();
    // While the tones sound: lowers both buffers from their own volume to
    // silence over kFadeOutSteps steps of kFadeOutStepMs (100 ms), linear in
    // amplitude, waiting meanwhile, so that they end without a click.
    void FadeOut();
    // Fades out, then stops both buffers. A buffer that is not there or will
    // not stop is passed over.
    void StopSound();

    static constexpr int kFadeOutSteps = 25;
    static constexpr int kFadeOutStepMs = 4;

    // Tone buffer `index`; raises "object not set" while it does not exist.
    platform::SoundBuffer& buffer(int index);
    bool hasBuffer(int index) const noexcept;

    std::unique_ptr<platform::SoundLibrary> DirectXRoot;
    std::unique_ptr<platform::SoundDevice> SoundDevice;
    std::array<std::unique_ptr<platform::SoundBuffer>, 2> ToneBuffers;
    platform::WaveFormat ToneFormat;
    platform::SoundBufferDesc ToneBufferDesc;

private:
    platform::SoundSystem& system_;
    // Started by OpenSound; ended by StopSound or a fade.
    bool sounding_ = false;
};

} // namespace lumetra
