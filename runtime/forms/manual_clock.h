#pragma once
// A clock for tests: timers tick only when the test advances time, so a
// 381-tick glide or a 100-tick install is a loop, not a wait.
#include "form.h"
#include "timer.h"

#include <map>

namespace forms {

class ManualClock : public FormObserver {
public:
    ManualClock() = default;
    ~ManualClock() override;

    // Drives every timer of the form from now on.
    void attach(Form& form);
    // Moves time forward, firing due ticks in time order (a timer whose
    // interval is I fires at I, 2I, ... after it was enabled or re-timed).
    void advance(long long milliseconds);
    // Fires the next due tick, whichever timer it belongs to; false when no
    // timer is running.
    bool step();
    long long now() const noexcept { return now_; }

    void formChanged(Form&, Prop) override {}
    void controlChanged(Control& control, Prop what) override;

private:
    void schedule(Timer& timer);

    std::vector<Form*> forms_;
    std::map<Timer*, long long> due_;
    long long now_ = 0;
};

} // namespace forms
