// Readouts, the slider table, the presets and the list's handlers.
#include "lumetra_form_fixture.h"

#include "Lumetra/PresetTable.h"
#include "Lumetra/Readout.h"
#include "Lumetra/SliderTable.h"

#include <cmath>

namespace {

using Strings = std::vector<std::string>;

// Quotient and product rounded to doubles: exact except at three rates.
TEST(Readout, MatchesExactTruncationExceptAtThreeRates) {
    for (int rate = 1000; rate <= 30000; ++rate) {
        const int exact = rate * 330 / 11025;
        const bool lowByOne = rate == 8085 || rate == 15435 || rate == 16170;
        ASSERT_EQ(lumetra::nominalHertz(rate, 330), exact - (lowByOne ? 1 : 0)) << "rate " << rate;
    }
    EXPECT_EQ(lumetra::nominalHertz(8085, 330), 241);
    EXPECT_EQ(lumetra::nominalHertz(15435, 330), 461);
    EXPECT_EQ(lumetra::nominalHertz(16170, 330), 483);
    EXPECT_EQ(lumetra::nominalHertz(13397, 0), 0);  // before the first build
}

TEST_F(LumetraWindow, ReadoutsShowTruncatedFiguresAndANonNegativeDifference) {
    start();
    struct Row { int left, right; Strings shown; };
    const Row rows[] = {
        {13397, 13397, {"400", "400", "0"}},
        {13397, 14380, {"400", "430", "30"}},
        {13897, 13397, {"415", "400", "15"}},   // right below left
        {3300, 13397, {"98", "400", "302"}},    // different digit counts
        {11025, 8085, {"330", "241", "89"}},
        {15435, 16170, {"461", "483", "22"}},
        {13397, 13403, {"400", "401", "1"}},    // 0.18 Hz heard, 1 shown
    };
    for (const Row& r : rows) {
        form.HScroll1.setValue(r.left);
        form.HScroll2.setValue(r.right);
        EXPECT_EQ(readouts(), r.shown) << r.left << " / " << r.right;
        EXPECT_EQ(form.Label15.caption(), std::to_string(r.left));
        EXPECT_EQ(form.Label16.caption(), std::to_string(r.right));
        EXPECT_EQ(sound.buffer(1).frequency, r.left);
        EXPECT_EQ(sound.buffer(2).frequency, r.right);
    }
    // The same value again changes no buffer and no caption.
    const auto mark = sound.log.size();
    form.HScroll2.setValue(form.HScroll2.value());
    EXPECT_TRUE(logSince(mark).empty());
}

TEST_F(LumetraWindow, BeforeTheFirstStartARateShowsZeroAndReachesNoBuffer) {
    form.HScroll1.setValue(13397);
    EXPECT_EQ(readouts(), (Strings{"0", "0", "0"}));
    EXPECT_EQ(form.Label15.caption(), "13397");
    form.VScroll1.setValue(-10000);
    EXPECT_TRUE(sound.log.empty());
}

TEST(SliderTable, EveryRowReadsItsPositionAboveTheLeftTone) {
    for (int n = 0; n < lumetra::kSliderPositions; ++n)
        EXPECT_EQ(lumetra::kSliderRightRates[n] * 330 / 11025, 400 + n) << "position " << n;
    EXPECT_EQ(lumetra::kSliderLeftRate * 330 / 11025, 400);
}

TEST_F(LumetraWindow, EverySliderPositionPlaysItsRowAndShowsItsBeat) {
    start();
    for (int n = 0; n < lumetra::kSliderPositions; ++n) {
        form.FreqSlider.setValue(n);
        EXPECT_EQ(sound.buffer(1).frequency, 13397);
        EXPECT_EQ(sound.buffer(2).frequency, lumetra::kSliderRightRates[n]);
        EXPECT_EQ(form.FrecventaLabel.caption(), std::to_string(n));
        EXPECT_EQ(form.Label17.caption(), "Custom: " + std::to_string(n) + " Hz");
    }
    EXPECT_TRUE(form.CustomMode);
}

TEST_F(LumetraWindow, FirstSliderMoveSetsTheLeftToneToo) {
    form.FreqSlider.setValue(5);
    EXPECT_EQ(form.HScroll1.value(), 13397);
    EXPECT_EQ(form.HScroll2.value(), 13550);
    EXPECT_TRUE(form.CustomMode);
    EXPECT_EQ(form.Label17.caption(), "Custom: 5 Hz");
    EXPECT_EQ(readouts(), (Strings{"0", "0", "0"}));  // no Start yet
    // Dragging: the right tone follows the thumb; resting there changes nothing.
    form.FreqSlider.userScroll(6);
    EXPECT_EQ(form.HScroll2.value(), 13570);
    form.FreqSlider.userScroll(7);
    form.FreqSlider.userSet(7);
    EXPECT_EQ(form.HScroll2.value(), 13600);
}

// Each preset, started with the slider at its design position 21: the preset's
// rates first, then the slider moves to the shown beat and its row takes over
// unless the slider already stood there.
TEST(Presets, StartPlaysThePairAndShowsItsFigures) {
    struct Row { int index; int rightShown, beat, rightAfterSlider, interval; };
    const Row rows[] = {
        {0, 421, 21, 14090, 48}, {1, 415, 15, 13880, 67}, {2, 406, 6, 13570, 167}, {3, 407, 7, 13600, 143},
        {4, 412, 12, 13770, 83}, {5, 410, 10, 13710, 100}, {6, 415, 15, 13880, 67}, {7, 414, 14, 13850, 71},
        {8, 407, 7, 13600, 143}, {9, 412, 12, 13770, 83}, {10, 405, 5, 13550, 200},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(lumetra::kPresets[r.index].englishName);
        fakes::FakeSoundSystem sound;
        fakes::FakeWindowPlatform desk;
        desk.writeSettings("-2800\r\n0\r\n");
        lumetra::Form1 form{sound, desk.platform()};
        form.load();
        form.MentalState.userPress(r.index, {});
        form.MentalState.userRelease({});
        form.Command1.press();
        const auto rightRates = sound.callsOf("buffer2 setFrequency");
        ASSERT_GE(rightRates.size(), 2u);
        EXPECT_EQ(rightRates[1], "buffer2 setFrequency " + std::to_string(lumetra::kPresets[r.index].rightRate));
        EXPECT_EQ(sound.buffer(1).frequency, 13397);
        EXPECT_EQ(form.Label8.caption(), std::to_string(r.rightShown));
        EXPECT_EQ(form.FrecventaLabel.caption(), std::to_string(r.beat));
        EXPECT_EQ(form.TimerEcran.interval(), r.interval);
        EXPECT_EQ(form.FreqSlider.value(), r.beat);
        EXPECT_EQ(sound.buffer(2).frequency, r.rightAfterSlider);
        EXPECT_EQ(form.CustomMode, r.beat != 21);
        EXPECT_EQ(form.Label17.caption(), r.beat == 21 ? std::string(lumetra::kPresets[r.index].englishName)
                                                       : "Custom: " + std::to_string(r.beat) + " Hz");
        EXPECT_EQ(form.TimerFade.enabled(), r.index == lumetra::kSleepInduction);
    }
}

TEST_F(LumetraWindow, APressTicksOnlyThePressedEntryAndEndsCustomMode) {
    EXPECT_TRUE(form.MentalState.selected(0));
    EXPECT_EQ(form.Label17.caption(), "Attention focusing");
    pick(4);
    form.FreqSlider.setValue(3);
    ASSERT_TRUE(form.CustomMode);
    form.MentalState.userToggleCheck(2);  // the list's own check box, meanwhile
    pick(8, 2);                           // any button will do
    for (int i = 0; i < form.MentalState.ListCount(); ++i) EXPECT_EQ(form.MentalState.selected(i), i == 8) << i;
    EXPECT_EQ(form.Label17.caption(), "Schumann resonance");
    EXPECT_FALSE(form.CustomMode);
    pick(8);
    EXPECT_TRUE(form.MentalState.selected(8));

    refillList();
    pick(-1);  // below the entries, nothing current
    for (int i = 0; i < form.MentalState.ListCount(); ++i) EXPECT_FALSE(form.MentalState.selected(i));
    EXPECT_EQ(form.Label17.caption(), "");
}

} // namespace
