#include "timer.h"

#include "../core/errors.h"

namespace forms {

Timer::Timer(Form& form, std::string name, int interval) : Control(form, std::move(name)), interval_(interval) {
    setVisible(false);
}

void Timer::setInterval(int interval) {
    if (interval < 0 || interval > 65535) rt::raise(rt::InvalidPropertyValue, name() + ".Interval " + std::to_string(interval));
    if (interval == interval_) return;
    interval_ = interval;
    notify(Prop::Interval);
}

void Timer::fire() {
    if (running()) Tick();
}

} // namespace forms
