#include "forms/timer.h"

#include "core/errors.h"
#include "forms/control_visitor.h"

namespace forms {

void Timer::accept(ControlVisitor& visitor) { visitor.visit(*this); }

namespace {
void checkInterval(const std::string& name, int interval) {
    if (interval < 0 || interval > 65535) rt::raise(rt::InvalidPropertyValue, name + ".Interval " + std::to_string(interval));
}
} // namespace

Timer::Timer(Form& form, std::string name, int interval) : Control(form, std::move(name)), interval_(interval) {
    checkInterval(this->name(), interval);
    setVisible(false);
    // Observers learn of a control while its base is being built, too early to
    // see a timer; announcing the interval lets a clock already driving the
    // form pick this one up.
    notify(Prop::Interval);
}

void Timer::setInterval(int interval) {
    checkInterval(name(), interval);
    if (interval == interval_) return;
    interval_ = interval;
    notify(Prop::Interval);
}

void Timer::fire() {
    if (running()) Tick();
}

} // namespace forms
