#include "support/manual_clock.h"

#include <algorithm>

namespace forms {

ManualClock::~ManualClock() {
    for (Form* f : forms_) f->removeObserver(this);
}

void ManualClock::attach(Form& form) {
    if (std::find(forms_.begin(), forms_.end(), &form) != forms_.end()) return;
    forms_.push_back(&form);
    form.addObserver(this);
    for (Control* c : form.controls())
        if (auto* t = dynamic_cast<Timer*>(c)) schedule(*t, now_ + periodOf(*t));
}

long long ManualClock::periodOf(const Timer& timer) noexcept {
    return std::max(timer.interval(), kMinimumInterval);
}

void ManualClock::schedule(Timer& timer, long long when) {
    if (timer.running()) due_[&timer] = Due{&timer, when, scheduled_++};
    else due_.erase(&timer);
}

void ManualClock::controlChanged(Control& control, Prop what) {
    if (what != Prop::Enabled && what != Prop::Interval) return;
    if (auto* t = dynamic_cast<Timer*>(&control)) schedule(*t, now_ + periodOf(*t));
}

void ManualClock::controlRemoved(Control& control) {
    // Compared as a Control: the timer part may already be destroyed.
    for (auto it = due_.begin(); it != due_.end();)
        it = it->second.control == &control ? due_.erase(it) : std::next(it);
}

void ManualClock::formDestroyed(Form& form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

Timer* ManualClock::next() const {
    Timer* first = nullptr;
    Due best{};
    for (const auto& [timer, due] : due_)
        if (!first || due.when < best.when || (due.when == best.when && due.order < best.order))
            first = timer, best = due;
    return first;
}

bool ManualClock::step() {
    Timer* timer = next();
    if (!timer) return false;
    const long long when = due_.at(timer).when;
    now_ = std::max(now_, when);
    // Taking the tick re-arms the timer on its own beat, past any ticks it
    // missed while the loop was held up; before firing, as the tick may re-time it.
    const long long period = periodOf(*timer);
    long long following = when + period;
    if (following <= now_) following += (now_ - following) / period * period + period;
    schedule(*timer, following);
    timer->fire();
    return true;
}

void ManualClock::advance(long long milliseconds) {
    const long long target = now_ + milliseconds;
    for (Timer* timer = next(); timer && due_.at(timer).when <= target; timer = next()) step();
    now_ = std::max(now_, target);  // a handler may have held the loop past the target
}

} // namespace forms
