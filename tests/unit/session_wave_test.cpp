// A saved session written through the file layer and read back: each tone at
// its rate / 33 Hz in its own channel, at the volume bar's level, without a
// click anywhere; the glide as the live window makes it; and the plan of what
// Start would play agreeing with what Start then does, in every state.
#include "Lumetra/PresetTable.h"
#include "Lumetra/ToneSession.h"
#include "Lumetra/WavFileWriter.h"
#include "lumetra_form_fixture.h"
#include "wav_samples.h"

namespace {

using namespace lumetra;

constexpr double kFull = 32512;  // the 8-bit table's 127 steps as 16 bits

std::string writtenFile(const ToneSession& session, int minutes) {
    fakes::MemoryFiles files;
    files.folders = {"/out"};
    EXPECT_EQ(writeWavFile(files, "/out/session.wav", session, minutes), "");
    EXPECT_EQ(files.files.size(), 1u);  // nothing left beside it
    return files.files["/out/session.wav"];
}

// Each tone's step at full swing: a click would be far larger.
double sineStep(double amplitude, double hz) { return 2 * amplitude * std::sin(std::numbers::pi * hz / 44100) + 1; }

double decibels(double a, double b) { return 20 * std::log10(a / std::max(b, 1e-9)); }

TEST(SessionWave, EachToneSoundsAtItsRateOver33InItsOwnChannelAtTheVolumeBarsLevel) {
    struct Row {
        const char* what;
        StartInputs in;
        std::int32_t left, right;  // as Start leaves them
    };
    const Row rows[] = {
        {"Attention focusing", {false, 0, 21, 11025, 11025, false, -2800}, 13397, 14090},
        // Start's last step moves the slider to the beat shown, 12, whose rate replaces the preset's.
        {"Meditation deep", {false, 4, 21, 11025, 11025, false, 0}, 13397, 13770},
        {"Schumann resonance, slider at its beat", {false, 8, 7, 11025, 11025, false, -1000}, 13397, 13630},
        {"slider at 5", {true, 0, 5, 11025, 11025, false, -2800}, 13397, 13550},
        {"slider at 30", {true, 3, 30, 11025, 11025, false, -600}, 13397, 14380},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const ToneSession session = sessionStartWouldPlay(row.in);
        ASSERT_EQ(session.leftRate, row.left);
        ASSERT_EQ(session.rightRate, row.right);
        const WavSamples wav = WavSamples::read(writtenFile(session, 1));
        ASSERT_EQ(wav.left.size(), 60u * 44100);
        const double amplitude = kFull * std::pow(10.0, row.in.volume / 2000.0);
        const std::size_t n = 5 * 44100;
        const Spectrum left(wav.left, n), right(wav.right, n);
        const double leftHz = row.left / 33.0, rightHz = row.right / 33.0;
        EXPECT_NEAR(left.peakNear(leftHz), leftHz, 0.01);
        EXPECT_NEAR(right.peakNear(rightHz), rightHz, 0.01);
        EXPECT_GE(decibels(left.magnitudeAt(leftHz), right.magnitudeAt(leftHz)), 60);
        EXPECT_GE(decibels(right.magnitudeAt(rightHz), left.magnitudeAt(rightHz)), 60);
        for (const auto* channel : {&wav.left, &wav.right})
            EXPECT_NEAR(double(*std::max_element(channel->begin(), channel->end())), amplitude, 1);
        // Over the whole minute, so across every block join too.
        EXPECT_LE(largestStep(wav.left), sineStep(amplitude, leftHz));
        EXPECT_LE(largestStep(wav.right), sineStep(amplitude, rightHz));
    }
}

TEST(SessionWave, TheVolumeBarsQuietEndIsSilence) {
    const WavSamples wav = WavSamples::read(writtenFile({13397, 14090, false, -10000}, 1));
    EXPECT_EQ(largestStep(wav.left) + largestStep(wav.right), 0);
}

TEST_F(LumetraWindow, ASleepInductionFileGlidesAsTheLiveFadeTimerDoesSecondBySecond) {
    pick(kSleepInduction);
    const ToneSession session = sessionStartWouldPlay(startInputsOf(form));
    const std::size_t seconds = 385;  // past the glide's end
    fakes::MemoryFiles files;
    files.folders = {"/out"};
    WavFileWriter writer(files, "/out/sleep.wav", session, static_cast<std::uint32_t>(seconds * 44100));
    while (writer.writeBlocks(5) && !writer.complete()) {}
    ASSERT_TRUE(writer.commit()) << writer.failure();
    const WavSamples wav = WavSamples::read(files.files["/out/sleep.wav"]);

    start();
    int changes = 0;
    for (std::size_t s = 0; s < seconds; ++s) {
        SCOPED_TRACE("second " + std::to_string(s));
        const double live = form.HScroll2.value() / 33.0;
        EXPECT_NEAR(hertzInSecond(wav.right, s), live, 0.002);
        EXPECT_NEAR(hertzInSecond(wav.left, s), 13397 / 33.0, 0.002);
        clock.advance(1000);
        changes += form.HScroll2.value() / 33.0 != live;
    }
    EXPECT_EQ(changes, 371);  // from the slider's 13770 down to 13399
    EXPECT_LE(largestStep(wav.right), sineStep(kFull * std::pow(10.0, -2800 / 2000.0), 13770 / 33.0));
}

// The plan must stay what Start does: any state the window can be in, then
// Start, and the rates and the glide it leaves.
TEST(StartPlan, AgreesWithStartForEveryPresetSliderAndSourceState) {
    for (int source = -2; source < kPresetCount; ++source) {  // -2 the slider, -1 no list entry
        for (int slider : {0, 7, 12, 21, 30}) {
            for (bool gliding : {false, true}) {
                SCOPED_TRACE("source " + std::to_string(source) + " slider " + std::to_string(slider) +
                             (gliding ? " gliding" : ""));
                fakes::FakeSoundSystem sound;
                fakes::FakeWindowPlatform desk;
                desk.writeSettings("-2800\r\n0\r\n");
                Form1 form(sound, desk.platform());
                form.load();
                form.FreqSlider.setValue(slider);
                if (gliding) form.TimerFade.setEnabled(true);
                if (source == -2) form.FreqSlider_Change();
                if (source == -1) {
                    form.MentalState.Clear();
                    form.CustomMode = false;
                }
                if (source >= 0) {
                    form.MentalState.userPress(source, {});
                    form.MentalState.userRelease({});
                }
                const ToneSession plan = sessionStartWouldPlay(startInputsOf(form));
                form.Command1.press();
                EXPECT_EQ(plan.leftRate, form.HScroll1.value());
                EXPECT_EQ(plan.rightRate, form.HScroll2.value());
                EXPECT_EQ(plan.glides, form.TimerFade.enabled());
                EXPECT_EQ(plan.volume, form.VScroll1.value());
            }
        }
    }
}

} // namespace
