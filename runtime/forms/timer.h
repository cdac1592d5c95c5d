#pragma once
// A timer control: interval in milliseconds (0 stops the ticks), enabled, and
// a tick event. Something else drives it: the host's clock or the tests' manual clock.
#include "forms/control.h"

namespace forms {

class Timer : public Control {
public:
    Timer(Form& form, std::string name, int interval = 0);
    void accept(ControlVisitor& visitor) override;

    int interval() const noexcept { return interval_; }
    // 0..65535; anything else is refused with the invalid-property error.
    void setInterval(int interval);
    // Ticks arrive only while enabled with an interval above 0.
    bool running() const noexcept { return enabled() && interval_ > 0; }

    // Called by the driving clock for one tick.
    void fire();

    Event<> Tick;

private:
    int interval_ = 0;
};

} // namespace forms
