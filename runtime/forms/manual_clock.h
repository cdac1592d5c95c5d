#pragma once
// A clock for tests: timers tick only when the test advances time, so a
// 381-tick glide or a 100-tick install is a loop, not a wait.
#include "forms/form.h"
#include "forms/timer.h"

#include <map>

namespace forms {

class ManualClock : public FormObserver {
public:
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
    void schedule(Timer& timer, long long when);
    Timer* next() const;

    std::vector<Form*> forms_;
    std::map<Timer*, Due> due_;
    unsigned long long scheduled_ = 0;
    long long now_ = 0;
};

} // namespace forms
