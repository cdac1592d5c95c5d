#pragma once
// Controls that hold a value within a range: scroll bars and the slider.
#include "forms/control.h"

namespace forms {

// Shared by ScrollBar and Slider. Min may lie above Max: the range is then
// reversed (the left end is Min). A value outside the range is refused with
// the invalid-property error and changes nothing.
class RangeControl : public Control {
public:
    using Control::Control;

    int min() const noexcept { return min_; }
    int max() const noexcept { return max_; }
    void setRange(int min, int max);  // clamps the value into the new range
    int smallChange() const noexcept { return smallChange_; }
    int largeChange() const noexcept { return largeChange_; }
    void setSteps(int smallChange, int largeChange);

    int value() const noexcept { return value_; }
    // Change is raised only when the value really changes.
    void setValue(int value);
    bool inRange(int value) const noexcept;

    // User input, as the host reports it:
    // the thumb is being dragged: the value follows and Scroll is raised;
    void userScroll(int value);
    // the thumb was let go, or an arrow, the track or a key moved it: the value
    // is set and Change is raised when it changed, and always at the end of a
    // drag (the thumb may come to rest where dragging already put it).
    void userSet(int value);
    // a step by the arrows/keys (+1/-1 small steps, +-large with page=true),
    // towards Max for positive steps, clamped to the range.
    void userStep(int direction, bool page);

    Event<> Change;
    Event<> Scroll;

private:
    int clamp(int value) const noexcept;

    int min_ = 0, max_ = 32767;
    int smallChange_ = 1, largeChange_ = 1;
    int value_ = 0;
    bool dragging_ = false;
};

// Horizontal: Min at the left end.
class ScrollBar : public RangeControl {
public:
    using RangeControl::RangeControl;
    void accept(ControlVisitor& visitor) override;
};

class Slider : public RangeControl {
public:
    using RangeControl::RangeControl;
    void accept(ControlVisitor& visitor) override;
};

} // namespace forms
