#include "forms/ranges.h"

#include "core/errors.h"
#include "forms/control_visitor.h"

#include <algorithm>

namespace forms {

void ScrollBar::accept(ControlVisitor& visitor) { visitor.visit(*this); }
void Slider::accept(ControlVisitor& visitor) { visitor.visit(*this); }

bool RangeControl::inRange(int value) const noexcept {
    return value >= std::min(min_, max_) && value <= std::max(min_, max_);
}

int RangeControl::clamp(int value) const noexcept {
    return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

void RangeControl::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    notify(Prop::Range);
    if (!inRange(value_)) setValue(clamp(value_));
}

void RangeControl::setSteps(int smallChange, int largeChange) {
    if (smallChange < 0 || largeChange < 0) rt::raise(rt::InvalidPropertyValue, name() + ": negative step");
    smallChange_ = smallChange;
    largeChange_ = largeChange;
    notify(Prop::Range);
}

void RangeControl::setValue(int value) {
    if (!inRange(value)) rt::raise(rt::InvalidPropertyValue, name() + ".Value " + std::to_string(value));
    if (value == value_) return;
    value_ = value;
    notify(Prop::Value);
    Change();
}

void RangeControl::userScroll(int value) {
    dragging_ = true;
    value = clamp(value);
    if (value != value_) {
        value_ = value;
        notify(Prop::Value);
    }
    Scroll();
}

void RangeControl::userSet(int value) {
    value = clamp(value);
    const bool endOfDrag = dragging_;
    dragging_ = false;
    if (value == value_ && !endOfDrag) return;
    if (value != value_) {
        value_ = value;
        notify(Prop::Value);
    }
    Change();
}

void RangeControl::userStep(int direction, bool page) {
    const int step = (page ? largeChange_ : smallChange_) * direction;
    // Steps go towards Max, whichever way the range runs.
    const int next = min_ <= max_ ? value_ + step : value_ - step;
    userSet(next);
}

} // namespace forms
