#pragma once
// A clock for tests: timers tick only when the test advances time, so a
// 381-tick glide or a 100-tick install is a loop, not a wait.
//
// It keeps the rules Windows keeps for SetTimer, so that timers interleave in
// tests as they do on a real message loop:
// - an interval below 10 ms runs at 10 ms (a 1 ms and a 10 ms timer tick
//   together);
// - a timer never has more than one tick waiting. A timer that fell behind
//   (its due time passed while something else held the loop) ticks once as
//   soon as the loop is free, and its next tick is the next multiple of its
//   interval after that moment: the missed ticks are dropped, not fired in a
//   burst.
// Handlers take no time here unless they say so: a tick handler that stands
// for slow work (an extraction step writing a large file) calls elapse(ms),
// and every timer that came due meanwhile ticks once when it returns.
#include "forms/form.h"
#include "forms/timer.h"

#include <map>

namespace forms {

class ManualClock : public FormObserver {
public:
    // The shortest interval a timer runs at (USER_TIMER_MINIMUM).
    static constexpr int kMinimumInterval = 10;

    ManualClock() = default;
    ~ManualClock() override;

    // Drives every timer of the form from now on, and any timer made later.
    void attach(Form& form);
    // Moves time forward, firing due ticks in time order (a timer whose
    // interval is I fires at I, 2I, ... after it was enabled or re-timed).
    // Ticks due at the same moment fire in the order they were scheduled.
    void advance(long long milliseconds);
    // Fires the next due tick, whichever timer it belongs to; false when no
    // timer is running.
    bool step();
    // Time passes while the loop is held up (called from inside a handler):
    // nothing ticks until the handler returns.
    void elapse(long long milliseconds) { now_ += milliseconds; }
    long long now() const noexcept { return now_; }

    void formChanged(Form&, Prop) override {}
    void controlChanged(Control& control, Prop what) override;
    void controlRemoved(Control& control) override;
    void formDestroyed(Form& form) override;

private:
    struct Due {
        const Control* control;
        long long when;
        unsigned long long order;  // breaks ties: first scheduled, first fired
    };
    static long long periodOf(const Timer& timer) noexcept;
    void schedule(Timer& timer, long long when);
    Timer* next() const;

    std::vector<Form*> forms_;
    std::map<Timer*, Due> due_;
    unsigned long long scheduled_ = 0;
    long long now_ = 0;
};

} // namespace forms
