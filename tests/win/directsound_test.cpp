// Real DirectSound buffers under the tone engine: created as described,
// written, re-rated, panned and stopped. Runs with a test home whose ALSA
// default device records to a file, so a device exists.
#include "Lumetra/CalcWave.h"
#include "Lumetra/DirectSnd.h"
#include "sound_buffer_report.h"
#include "win32/directsound.h"

#include "core/errors.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <vector>

namespace {

class RealSound : public ::testing::Test {
protected:
    RealSound() {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        wave.BuildWaveTable();
    }
    ~RealSound() override {
        for (IDirectSoundBuffer* b : made) b->Release();  // while dsound.dll is still loaded
        snd.CloseSound();
        ::CoUninitialize();
    }
    host::SoundBufferReport report(int i) { return host::reportOf(*made.at(static_cast<std::size_t>(i))); }

    std::vector<IDirectSoundBuffer*> made;  // in the order the tone engine made them
    std::unique_ptr<platform::SoundSystem> system = host::makeDirectSoundSystem([this](IDirectSoundBuffer& b) {
        b.AddRef();
        made.push_back(&b);
    });
    lumetra::CalcWave wave;
    lumetra::DirectSnd snd{*system};
};

TEST_F(RealSound, OpenSoundMakesTwoLoopingStaticBuffersOfOnePeriod) {
    snd.OpenSound(reinterpret_cast<std::uintptr_t>(::GetDesktopWindow()), wave);
    for (int i = 0; i < 2; ++i) {
        const auto r = report(i);
        EXPECT_EQ(r.bytes, 33u);
        const DWORD wanted = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
        EXPECT_EQ(r.capabilitiesFlags & wanted, wanted);
        EXPECT_TRUE(r.playing);
        EXPECT_TRUE(r.looping);
        EXPECT_EQ(r.frequency, 11025);
        EXPECT_EQ(r.volume, 0);
        EXPECT_EQ(r.pan, 0);
    }
}

TEST_F(RealSound, WrittenReRatedPannedAndStopped) {
    snd.OpenSound(reinterpret_cast<std::uintptr_t>(::GetDesktopWindow()), wave);
    snd.WriteWave(0, wave.WaveTable);
    snd.WriteWave(1, wave.WaveTable);
    const std::vector<std::uint8_t> period(wave.WaveTable.begin(), wave.WaveTable.begin() + 33);
    EXPECT_EQ(report(0).content, period);
    EXPECT_EQ(report(1).content, period);
    EXPECT_EQ(rt::leaveAtFirstError([&] { snd.WriteWave(2, wave.WaveTable); }), rt::SubscriptOutOfRange);

    snd.buffer(0).setFrequency(13397);
    snd.buffer(1).setFrequency(14090);
    snd.buffer(0).setVolume(-2800);
    snd.buffer(1).setPan(-10000);
    EXPECT_EQ(report(0).frequency, 13397);
    EXPECT_EQ(report(1).frequency, 14090);
    EXPECT_EQ(report(0).volume, -2800);
    EXPECT_EQ(report(1).pan, -10000);
    // A rate the device cannot play is refused and the old one stays.
    EXPECT_NE(rt::leaveAtFirstError([&] { snd.buffer(1).setFrequency(500000); }), 0);
    EXPECT_EQ(report(1).frequency, 14090);

    snd.buffer(0).stop();
    snd.buffer(1).stop();
    EXPECT_FALSE(report(0).playing);
    EXPECT_FALSE(report(1).playing);
}

} // namespace
