#include "manual_clock.h"

namespace forms {

ManualClock::~ManualClock() {
    for (Form* f : forms_) f->removeObserver(this);
}

void ManualClock::attach(Form& form) {
    forms_.push_back(&form);
    form.addObserver(this);
    for (Control* c : form.controls())
        if (auto* t = dynamic_cast<Timer*>(c)) schedule(*t);
}

void ManualClock::schedule(Timer& timer) {
    if (timer.running()) due_[&timer] = now_ + timer.interval();
    else due_.erase(&timer);
}

void ManualClock::controlChanged(Control& control, Prop what) {
    if (what != Prop::Enabled && what != Prop::Interval) return;
    if (auto* t = dynamic_cast<Timer*>(&control)) schedule(*t);
}

bool ManualClock::step() {
    Timer* next = nullptr;
    long long when = 0;
    for (auto& [timer, due] : due_)
        if (!next || due < when) next = timer, when = due;
    if (!next) return false;
    now_ = std::max(now_, when);
    due_[next] = when + next->interval();  // before firing: the tick may re-time it
    next->fire();
    return true;
}

void ManualClock::advance(long long milliseconds) {
    const long long target = now_ + milliseconds;
    for (;;) {
        Timer* next = nullptr;
        long long when = 0;
        for (auto& [timer, due] : due_)
            if (!next || due < when) next = timer, when = due;
        if (!next || when > target) break;
        step();
    }
    now_ = target;
}

} // namespace forms
