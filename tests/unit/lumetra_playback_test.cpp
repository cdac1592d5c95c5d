// Start, Stop, the glide and unload, read from the sound fake's call log.
#include "lumetra_form_fixture.h"

#include <algorithm>

namespace {

using Strings = std::vector<std::string>;

Strings lastOf(const Strings& lines, std::size_t n) {
    return lines.size() < n ? lines : Strings(lines.end() - static_cast<std::ptrdiff_t>(n), lines.end());
}

TEST_F(LumetraWindow, FirstStartPlaysAttentionFocusingWithEachToneInItsOwnEar) {
    EXPECT_FALSE(form.TimerEcran.enabled() || form.TimerFade.enabled());
    start();
    EXPECT_EQ(sound.log, (Strings{
        "library load", "createDevice 1", "device1 setCooperativeLevel 0 1",
        "device1 createBuffer 1 flags 226 bytes 33", "device1 createBuffer 2 flags 226 bytes 33",
        "buffer1 play looping", "buffer2 play looping",
        // the held rates, volume and pans reach the new buffers
        "buffer1 setFrequency 11025", "buffer2 setFrequency 11025",
        "buffer1 setVolume -2800", "buffer2 setVolume -2800",
        // "Left:" (buffer 0) to the left ear only, "Right:" to the right
        "buffer1 setPan -10000", "buffer2 setPan 10000",
        "buffer1 write 33", "buffer2 write 33",
        // the ticked preset
        "buffer1 setFrequency 13397", "buffer2 setFrequency 14090"}));
    EXPECT_EQ(readouts(), (Strings{"400", "421", "21"}));
    EXPECT_EQ(form.KLVL.caption(), "On");
    EXPECT_FALSE(form.Command1.enabled());
    EXPECT_TRUE(form.Command2.enabled());
    EXPECT_FALSE(form.MentalState.enabled());
    EXPECT_TRUE(form.TimerEcran.enabled());
    EXPECT_EQ(form.TimerEcran.interval(), 48);
    EXPECT_EQ(form.FreqSlider.value(), 21);
    EXPECT_FALSE(form.CustomMode);
    EXPECT_EQ(form.Label17.caption(), "Attention focusing");
    EXPECT_EQ(form.Label2.caption(), "-10000");
    EXPECT_EQ(form.Label1.caption(), "10000");
}

TEST_F(LumetraWindow, StartWithNoCurrentEntryKeepsTheRatesThenTheSliderStepSetsBeatZero) {
    refillList();
    start();
    EXPECT_EQ(sound.callsOf("buffer1 setFrequency"), (Strings{"buffer1 setFrequency 11025", "buffer1 setFrequency 13397"}));
    EXPECT_EQ(sound.callsOf("buffer2 setFrequency"), (Strings{"buffer2 setFrequency 11025", "buffer2 setFrequency 13397"}));
    EXPECT_EQ(form.TimerEcran.interval(), 100);  // beat 0: the interval stays
    EXPECT_TRUE(form.TimerEcran.enabled());
    EXPECT_EQ(form.FreqSlider.value(), 0);
    EXPECT_TRUE(form.CustomMode);
    EXPECT_EQ(form.Label17.caption(), "Custom: 0 Hz");
    EXPECT_EQ(readouts(), (Strings{"400", "400", "0"}));
}

TEST_F(LumetraWindow, InCustomModeStartPlaysTheSliderAndKeepsIt) {
    form.FreqSlider.setValue(7);
    start();
    EXPECT_EQ(sound.buffer(1).frequency, 13397);
    EXPECT_EQ(sound.buffer(2).frequency, 13600);
    EXPECT_EQ(readouts(), (Strings{"400", "407", "7"}));
    EXPECT_EQ(form.Label17.caption(), "Custom: 7 Hz");
    EXPECT_EQ(form.TimerEcran.interval(), 143);
    EXPECT_EQ(form.FreqSlider.value(), 7);
}

TEST_F(LumetraWindow, StartStopStartMakesFreshBuffersWithWhatWasSetWhileStopped) {
    start();
    auto mark = sound.log.size();
    stop();
    // A short fade to silence first, so that the tones end without a click.
    EXPECT_EQ(lastOf(logSince(mark), 5), (Strings{"device1 letPlay 4", "buffer1 setVolume -10000",
                                                  "buffer2 setVolume -10000", "buffer1 stop", "buffer2 stop"}));
    EXPECT_EQ(form.KLVL.caption(), "Off");
    EXPECT_TRUE(form.Command1.enabled());
    EXPECT_FALSE(form.Command2.enabled());
    EXPECT_FALSE(form.TimerEcran.enabled());
    EXPECT_TRUE(form.MentalState.enabled());

    form.VScroll1.setValue(-5000);  // reaches the stopped buffers, silently
    form.FreqSlider.setValue(3);
    EXPECT_EQ(sound.buffer(2).frequency, 13480);
    EXPECT_EQ(sound.buffer(2).volume, -5000);

    start();
    EXPECT_EQ(sound.librariesLoaded, 1);
    EXPECT_EQ(sound.devicesMade, 2);
    EXPECT_TRUE(sound.buffer(1).released && sound.buffer(2).released);
    for (int id : {3, 4}) {
        EXPECT_TRUE(sound.buffer(id).sounding());
        EXPECT_EQ(sound.buffer(id).volume, -5000);
        EXPECT_EQ(sound.buffer(id).data.size(), 33u);
    }
    EXPECT_EQ(sound.buffer(3).frequency, 13397);
    EXPECT_EQ(sound.buffer(4).frequency, 13480);
    EXPECT_EQ(sound.buffer(3).pan, -10000);
    EXPECT_EQ(sound.buffer(4).pan, 10000);

    mark = sound.log.size();
    form.unload();
    EXPECT_EQ(lastOf(logSince(mark), 6), (Strings{"buffer3 setVolume -10000", "buffer4 setVolume -10000", "buffer3 release",
                                                  "buffer4 release", "device2 release", "library release"}));
}

TEST_F(LumetraWindow, StopBeforeAnyStartOnlyResetsTheWindow) {
    stop();
    EXPECT_TRUE(sound.log.empty());
    EXPECT_EQ(form.KLVL.caption(), "Off");
    EXPECT_TRUE(form.Command1.enabled());
    EXPECT_FALSE(form.Command2.enabled());
    form.unload();  // nothing to release
    EXPECT_TRUE(sound.log.empty());
}

TEST_F(LumetraWindow, WithoutADeviceStartCompletesSilently) {
    sound.noDevice = true;
    start();
    EXPECT_TRUE(sound.buffers.empty());
    EXPECT_EQ(readouts(), (Strings{"400", "421", "21"}));
    EXPECT_EQ(form.KLVL.caption(), "On");
    EXPECT_FALSE(form.Command1.enabled());
    EXPECT_EQ(form.TimerEcran.interval(), 48);
    stop();
    EXPECT_EQ(form.KLVL.caption(), "Off");
}

TEST_F(LumetraWindow, ARefusedRateLeavesTheBufferAtItsOldRate) {
    sound.maxRate = 14000;
    start();
    EXPECT_EQ(form.HScroll2.value(), 14090);
    EXPECT_EQ(sound.buffer(2).frequency, 11025);
    EXPECT_EQ(readouts(), (Strings{"400", "421", "21"}));
}

// Runs whole seconds until the glide stops; returns the number of ticks.
int glideSeconds(forms::ManualClock& clock, lumetra::Form1& form, int limit = 2000) {
    int seconds = 0;
    while (form.TimerFade.enabled() && seconds < limit) {
        clock.advance(1000);
        ++seconds;
    }
    return seconds;
}

TEST_F(LumetraWindow, SleepInductionGlidesFrom13780In381Ticks) {
    form.FreqSlider.setValue(12);  // the slider already at the beat: the preset's rate stays
    pick(9);
    start();
    EXPECT_EQ(form.HScroll2.value(), 13780);
    clock.advance(1000);
    EXPECT_EQ(sound.buffer(2).frequency, 13779);
    EXPECT_EQ(glideSeconds(clock, form), 380);
    EXPECT_EQ(form.HScroll2.value(), 13399);
    EXPECT_EQ(readouts(), (Strings{"400", "401", "1"}));
    clock.advance(5000);
    EXPECT_EQ(form.HScroll2.value(), 13399);
}

TEST_F(LumetraWindow, SleepInductionAfterTheSliderStepGlidesFrom13770In371Ticks) {
    pick(9);
    start();
    EXPECT_EQ(form.HScroll2.value(), 13770);
    EXPECT_EQ(glideSeconds(clock, form), 371);
    EXPECT_EQ(form.HScroll2.value(), 13399);
}

TEST_F(LumetraWindow, TheGlideGoesOnThroughStopAndIntoTheNextStart) {
    pick(9);
    start();
    clock.advance(60000);
    stop();
    clock.advance(10000);
    EXPECT_EQ(form.HScroll2.value(), 13700);
    EXPECT_EQ(sound.buffer(2).frequency, 13700);
    EXPECT_EQ(form.Label8.caption(), "410");

    pick(0);
    start();  // 14090, shown beat 21: the slider moves from 12 to 21, its row is 14070
    EXPECT_EQ(form.HScroll2.value(), 14070);
    EXPECT_TRUE(form.TimerFade.enabled());
    EXPECT_EQ(glideSeconds(clock, form), 14070 - 13399);
    EXPECT_EQ(sound.buffer(4).frequency, 13399);
}

// A 15-minute sleep timer set before Start counts from Start, fades the
// tones over its last minute, linear in amplitude and never rising, and ends
// in Stop with the volume bar untouched. Stop cancels a fade under way, and
// the next Start counts afresh at the bar's volume.
TEST_F(LumetraWindow, TheSleepTimerFadesTheLastMinuteThenStops) {
    form.sleepMenuChoose(1);
    ASSERT_EQ(form.sleepMenuChecked(), 1);  // 15 minutes
    clock.advance(30 * 60000);  // not playing: nothing counts
    start();
    clock.advance(14 * 60000);
    EXPECT_EQ(sound.buffer(1).volume, -2800);
    EXPECT_TRUE(sound.buffer(1).sounding());
    const std::size_t mark = sound.log.size();
    clock.advance(59900);
    EXPECT_TRUE(sound.buffer(2).sounding()) << "stopped before its 15 minutes";
    clock.advance(100);
    std::vector<int> volumes;
    for (const std::string& line : logSince(mark))
        if (line.rfind("buffer2 setVolume ", 0) == 0) volumes.push_back(std::stoi(line.substr(18)));
    ASSERT_EQ(volumes.size(), 600u);
    EXPECT_TRUE(std::is_sorted(volumes.rbegin(), volumes.rend())) << "the volume rose during the fade";
    // Linear in amplitude: half-way through the minute, half the amplitude (-6 dB).
    EXPECT_EQ(volumes[299], -2800 - 602);
    EXPECT_EQ(volumes.back(), -10000);
    EXPECT_FALSE(sound.buffer(1).sounding() || sound.buffer(2).sounding());
    EXPECT_TRUE(form.Command1.enabled());
    EXPECT_EQ(form.KLVL.caption(), "Off");
    EXPECT_EQ(form.VScroll1.value(), -2800);
    EXPECT_FALSE(form.TimerSleep.enabled());
    EXPECT_EQ(form.sleepMenuChecked(), 1);

    start();
    clock.advance(14 * 60000 + 30000);
    EXPECT_LT(sound.buffer(3).volume, -2800);
    stop();
    EXPECT_FALSE(form.TimerSleep.enabled());
    start();
    EXPECT_EQ(sound.buffer(5).volume, -2800);
    clock.advance(14 * 60000 + 59000);
    EXPECT_TRUE(sound.buffer(5).sounding()) << "the old count went on after Stop";
    form.sleepMenuChoose(0);
    EXPECT_EQ(sound.buffer(5).volume, -2800);
    clock.advance(120 * 60000);
    EXPECT_TRUE(sound.buffer(5).sounding());
}

} // namespace
