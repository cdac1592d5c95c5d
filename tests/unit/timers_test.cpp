#include "core/errors.h"
#include "forms/form.h"
#include "support/manual_clock.h"
#include "forms/timer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A form with a 1 ms and a 10 ms timer on a manual clock; ticks are logged as "name@ms".
class TimerTest : public ::testing::Test {
protected:
    TimerTest() {
        logTicks(fast);
        logTicks(slow);
        clock.attach(form);
    }
    void logTicks(forms::Timer& timer) {
        timer.Tick = [this, &timer] { log.push_back(timer.name() + "@" + std::to_string(clock.now())); };
    }
    int count(const std::string& name) const {
        int n = 0;
        for (const auto& entry : log) n += entry.rfind(name + "@", 0) == 0;
        return n;
    }

    forms::Form form{"Form1"};
    forms::Timer fast{form, "fast", 1};
    forms::Timer slow{form, "slow", 10};
    forms::ManualClock clock;
    Log log;
};

TEST_F(TimerTest, AOneMillisecondTimerRunsAtTheTenMillisecondMinimum) {
    clock.advance(1000);
    // Over a second the two tick alike, as they do on a Windows message loop.
    EXPECT_EQ(count("slow"), 100);
    EXPECT_NEAR(static_cast<double>(count("fast")) / count("slow"), 1.0, 0.2);
    EXPECT_EQ(clock.now(), 1000);
    // Due together, they fire in the order they were scheduled.
    EXPECT_EQ(Log(log.begin(), log.begin() + 4), (Log{"fast@10", "slow@10", "fast@20", "slow@20"}));
}

TEST_F(TimerTest, ATimerThatFellBehindTicksOnceAndKeepsItsBeat) {
    // The slow timer's first tick holds the loop for 45 ms, as a long
    // extraction step would: the ticks due at 20 to 50 collapse into one.
    slow.Tick = [this] {
        log.push_back("slow@" + std::to_string(clock.now()));
        if (clock.now() == 10) clock.elapse(45);
    };
    clock.advance(70);
    EXPECT_EQ(log, (Log{"fast@10", "slow@10", "fast@55", "slow@55", "fast@60", "slow@60", "fast@70", "slow@70"}));
    // Held past the end of an advance, the clock does not run backwards.
    slow.Tick = [this] { clock.elapse(100); };
    clock.advance(10);
    EXPECT_EQ(clock.now(), 180);
}

TEST_F(TimerTest, StoppedTimersDoNotTick) {
    const std::vector<std::pair<const char*, void (*)(forms::Timer&)>> stops = {
        {"disabled", [](forms::Timer& t) { t.setEnabled(false); }},
        {"interval 0", [](forms::Timer& t) { t.setInterval(0); }},
    };
    for (const auto& [what, stop] : stops) {
        SCOPED_TRACE(what);
        log.clear();
        fast.setInterval(1);
        fast.setEnabled(true);
        stop(fast);
        clock.advance(50);
        fast.fire();  // a stray tick from a host is ignored too
        EXPECT_EQ(count("fast"), 0);
        EXPECT_EQ(count("slow"), 5);
    }
    slow.setEnabled(false);
    EXPECT_FALSE(clock.step());
}

TEST_F(TimerTest, DisablingInATickStopsTheNext) {
    fast.setEnabled(false);
    slow.Tick = [this] {
        log.push_back("slow@" + std::to_string(clock.now()));
        slow.setEnabled(false);
    };
    clock.advance(100);
    slow.setEnabled(true);  // counts its interval from now
    EXPECT_TRUE(clock.step());
    EXPECT_EQ(log, (Log{"slow@10", "slow@110"}));
}

TEST_F(TimerTest, ChangingTheIntervalRetimesFromNow) {
    fast.setEnabled(false);
    clock.advance(5);
    slow.setInterval(20);
    clock.advance(40);
    EXPECT_EQ(log, (Log{"slow@25", "slow@45"}));
    // A timer may set its own interval from inside its tick.
    log.clear();
    slow.Tick = [this] {
        log.push_back("slow@" + std::to_string(clock.now()));
        slow.setInterval(slow.interval() == 20 ? 7 : 20);
    };
    clock.advance(60);
    // 7 ms runs at the 10 ms minimum.
    EXPECT_EQ(log, (Log{"slow@65", "slow@75", "slow@95", "slow@105"}));
}

TEST_F(TimerTest, TimersDueTogetherFireInTheOrderTheyStarted) {
    fast.setInterval(10);
    for (bool fastFirst : {true, false}) {
        log.clear();
        fast.setEnabled(false);
        slow.setEnabled(false);
        (fastFirst ? fast : slow).setEnabled(true);
        (fastFirst ? slow : fast).setEnabled(true);
        const std::string at = "@" + std::to_string(clock.now() + 10);
        clock.advance(10);
        EXPECT_EQ(log, fastFirst ? (Log{"fast" + at, "slow" + at}) : (Log{"slow" + at, "fast" + at}));
    }
}

TEST_F(TimerTest, TimerMadeAfterAttachTicks) {
    forms::Timer late(form, "late", 30);
    logTicks(late);
    slow.setEnabled(false);
    fast.setEnabled(false);
    clock.advance(60);
    EXPECT_EQ(log, (Log{"late@30", "late@60"}));
}

TEST(Timer, RefusesAFirstIntervalOutsideItsRange) {
    forms::Form form("Form1");
    for (int bad : {-1, 65536})
        EXPECT_EQ(rt::leaveAtFirstError([&] { forms::Timer t(form, "bad", bad); }), 380) << bad;
    EXPECT_TRUE(form.controls().empty());  // a refused timer leaves nothing behind
    EXPECT_EQ(forms::Timer(form, "ok", 65535).interval(), 65535);
}

TEST(ManualClock, MayOutliveItsFormAndTimers) {
    forms::ManualClock clock;
    {
        auto form = std::make_unique<forms::Form>("Form1");
        forms::Timer timer(*form, "t", 5);
        clock.attach(*form);
        clock.advance(5);
    }
    EXPECT_FALSE(clock.step());
    clock.advance(10);
    EXPECT_EQ(clock.now(), 15);
}

} // namespace
