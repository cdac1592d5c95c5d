// The sine table and the sound output, against the recording fake.
#include "Lumetra/CalcWave.h"
#include "Lumetra/DirectSnd.h"
#include "fake_sound.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

TEST(CalcWave, OnePeriodOf33SamplesAroundTheZeroLine) {
    lumetra::CalcWave wave;
    EXPECT_FALSE(wave.BaseFrequency.has_value());
    EXPECT_EQ(wave.baseFrequencyValue(), 0.0);
    EXPECT_EQ(wave.SamplesPerPeriod, 0);

    wave.BuildWaveTable();
    EXPECT_EQ(wave.baseFrequencyValue(), 330.0);
    EXPECT_EQ(wave.SamplesPerPeriod, 33);
    const std::vector<int> period{128, 152, 175, 197, 216, 231, 244, 251, 255, 254, 248, 238,
                                  224, 207, 186, 164, 140, 116, 92,  70,  49,  32,  18,  8,
                                  2,   1,   5,   12,  25,  40,  59,  81,  104, 128};
    for (std::size_t i = 0; i < wave.WaveTable.size(); ++i)
        EXPECT_EQ(wave.WaveTable[i], i < period.size() ? period[i] : 0) << "entry " << i;
    // The played part (0..32) is balanced on the zero line: no DC offset.
    EXPECT_EQ(std::accumulate(wave.WaveTable.begin(), wave.WaveTable.begin() + 33, 0), 128 * 33);

    const auto first = wave.WaveTable;
    wave.BuildWaveTable();
    EXPECT_EQ(wave.WaveTable, first);
}

class DirectSndTest : public ::testing::Test {
protected:
    DirectSndTest() { wave.BuildWaveTable(); }
    fakes::FakeSoundSystem sound;
    lumetra::CalcWave wave;
    lumetra::DirectSnd snd{sound};
};

TEST_F(DirectSndTest, WriteWaveFillsTheWholeBufferAndRefusesOtherIndices) {
    EXPECT_EQ(rt::leaveAtFirstError([&] { snd.WriteWave(0, wave.WaveTable); }), rt::ObjectNotSet);
    snd.OpenSound(0, wave);
    snd.WriteWave(1, wave.WaveTable);
    EXPECT_EQ(sound.buffer(2).data, std::vector<std::uint8_t>(wave.WaveTable.begin(), wave.WaveTable.begin() + 33));
    sound.log.clear();
    EXPECT_EQ(rt::leaveAtFirstError([&] { snd.WriteWave(2, wave.WaveTable); }), rt::SubscriptOutOfRange);
    EXPECT_EQ(rt::leaveAtFirstError([&] { snd.WriteWave(-1, wave.WaveTable); }), rt::SubscriptOutOfRange);
    EXPECT_TRUE(sound.log.empty());
    EXPECT_TRUE(sound.buffer(1).data.empty());
}

TEST_F(DirectSndTest, EachOpenReplacesDeviceAndBuffersAndCloseReleasesAllInOrder) {
    snd.CloseSound();  // nothing made yet: harmless
    EXPECT_TRUE(sound.log.empty());

    snd.OpenSound(0, wave);
    const auto& f = sound.buffer(1).format;  // 8-bit mono PCM at 11025
    EXPECT_EQ(std::vector<int>({f.formatTag, f.channels, int(f.samplesPerSec), int(f.avgBytesPerSec), f.blockAlign,
                                f.bitsPerSample, f.extraSize}),
              std::vector<int>({1, 1, 11025, 11025, 1, 8, 0}));
    snd.OpenSound(0, wave);
    EXPECT_EQ(sound.librariesLoaded, 1);  // the library is kept across opens
    EXPECT_TRUE(sound.buffer(1).released && sound.buffer(2).released);
    EXPECT_FALSE(sound.buffer(3).released || sound.buffer(4).released);
    EXPECT_EQ(sound.devicesLive, 1);

    sound.log.clear();
    snd.CloseSound();
    EXPECT_EQ(sound.log, (Log{"buffer3 release", "buffer4 release", "device2 release", "library release"}));
    EXPECT_EQ(sound.librariesLive, 0);
    snd.OpenSound(0, wave);
    EXPECT_EQ(sound.librariesLoaded, 2);
}

TEST_F(DirectSndTest, NoDeviceLeavesAtOnceAndKeepsTheLibrary) {
    sound.noDevice = true;
    EXPECT_NE(rt::leaveAtFirstError([&] { snd.OpenSound(0, wave); }), 0);
    EXPECT_TRUE(snd.DirectXRoot);
    EXPECT_FALSE(snd.hasBuffer(0) || snd.hasBuffer(1));
    EXPECT_EQ(sound.log, (Log{"library load", "createDevice failed"}));
}

} // namespace
