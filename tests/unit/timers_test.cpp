#include "core/errors.h"
#include "forms/form.h"
#include "forms/manual_clock.h"
#include "forms/timer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A form with two timers whose ticks are logged as "name@ms".
class TimerTest : public ::testing::Test {
protected:
    TimerTest() {
        fast.Tick = [this] { log.push_back("fast@" + std::to_string(clock.now())); };
        slow.Tick = [this] { log.push_back("slow@" + std::to_string(clock.now())); };
        clock.attach(form);
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
    std::vector<std::string> log;
};

TEST_F(TimerTest, TwoTimersInterleaveInTimeOrder) {
    clock.advance(100);
    EXPECT_EQ(count("fast"), 100);
    EXPECT_EQ(count("slow"), 10);
    EXPECT_EQ(log.back(), "fast@100");
    // Around the slow timer's first tick, in order of time.
    const std::vector<std::string> around(log.begin() + 8, log.begin() + 12);
    EXPECT_EQ(around, (std::vector<std::string>{"fast@9", "slow@10", "fast@10", "fast@11"}));
    EXPECT_EQ(clock.now(), 100);
}

TEST_F(TimerTest, StepFiresTheNextDueTick) {
    fast.setEnabled(false);
    EXPECT_TRUE(clock.step());
    EXPECT_EQ(log, (std::vector<std::string>{"slow@10"}));
    slow.setEnabled(false);
    EXPECT_FALSE(clock.step());
    EXPECT_EQ(clock.now(), 10);
}

TEST_F(TimerTest, StoppedTimersDoNotTick) {
    struct Case { const char* what; void (*stop)(forms::Timer&); };
    const Case cases[] = {
        {"disabled", [](forms::Timer& t) { t.setEnabled(false); }},
        {"interval 0", [](forms::Timer& t) { t.setInterval(0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        log.clear();
        fast.setInterval(1);
        fast.setEnabled(true);
        c.stop(fast);
        clock.advance(50);
        EXPECT_EQ(count("fast"), 0);
        EXPECT_EQ(count("slow"), 5);
        fast.fire();  // a stray tick from the host is ignored too
        EXPECT_EQ(count("fast"), 0);
    }
}

TEST_F(TimerTest, DisablingInATickStopsTheNext) {
    fast.setEnabled(false);
    slow.Tick = [this] {
        log.push_back("slow@" + std::to_string(clock.now()));
        slow.setEnabled(false);
    };
    clock.advance(100);
    EXPECT_EQ(count("slow"), 1);
    slow.setEnabled(true);  // re-enabled: counts its interval from now
    clock.advance(15);
    EXPECT_EQ(count("slow"), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"slow@10", "slow@110"}));
}

TEST_F(TimerTest, ChangingTheIntervalRetimesFromNow) {
    fast.setEnabled(false);
    clock.advance(5);
    slow.setInterval(20);  // at 5: next ticks at 25, 45
    clock.advance(40);
    EXPECT_EQ(log, (std::vector<std::string>{"slow@25", "slow@45"}));
    // The indicator sets its own interval from inside its tick.
    log.clear();
    slow.Tick = [this] {
        log.push_back("slow@" + std::to_string(clock.now()));
        slow.setInterval(slow.interval() == 20 ? 7 : 20);
    };
    clock.advance(60);  // 65 (-> 7), 72 (-> 20), 92 (-> 7), 99 (-> 20)
    EXPECT_EQ(log, (std::vector<std::string>{"slow@65", "slow@72", "slow@92", "slow@99"}));
}

TEST_F(TimerTest, TimersDueTogetherFireInTheOrderTheyStarted) {
    fast.setInterval(10);
    for (bool fastFirst : {true, false}) {
        SCOPED_TRACE(fastFirst);
        log.clear();
        fast.setEnabled(false);
        slow.setEnabled(false);
        (fastFirst ? fast : slow).setEnabled(true);
        (fastFirst ? slow : fast).setEnabled(true);
        clock.advance(10);
        ASSERT_EQ(log.size(), 2u);
        EXPECT_EQ(log[0].substr(0, 4), fastFirst ? "fast" : "slow");
    }
}

TEST_F(TimerTest, TimerMadeAfterAttachTicks) {
    forms::Timer late(form, "late", 30);
    late.Tick = [this] { log.push_back("late@" + std::to_string(clock.now())); };
    slow.setEnabled(false);
    fast.setEnabled(false);
    clock.advance(60);
    EXPECT_EQ(log, (std::vector<std::string>{"late@30", "late@60"}));
}

TEST(Timer, RefusesAnIntervalOutsideItsRange) {
    forms::Form form("Form1");
    EXPECT_EQ(rt::leaveAtFirstError([&] { forms::Timer t(form, "bad", 65536); }), rt::InvalidPropertyValue);
    EXPECT_EQ(rt::leaveAtFirstError([&] { forms::Timer t(form, "bad", -1); }), rt::InvalidPropertyValue);
    EXPECT_TRUE(form.controls().empty());  // a refused timer leaves nothing behind
    forms::Timer ok(form, "ok", 65535);
    EXPECT_EQ(ok.interval(), 65535);
    EXPECT_FALSE(ok.visible());
}

TEST(ManualClock, MayOutliveItsForm) {
    forms::ManualClock clock;
    {
        auto form = std::make_unique<forms::Form>("Form1");
        forms::Timer timer(*form, "t", 5);
        clock.attach(*form);
        clock.advance(5);
        // the timer, then the form go away before the clock
    }
    EXPECT_FALSE(clock.step());
    clock.advance(10);
    EXPECT_EQ(clock.now(), 15);
}

} // namespace
