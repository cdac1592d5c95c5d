#pragma once
// Which control of a form the program last gave the keyboard focus: what a
// host would move its window's focus to. Made after the form, gone before it.
#include "forms/form.h"

namespace forms {

class FocusWatch : public FormObserver {
public:
    explicit FocusWatch(Form& form) : form_(form) { form.addObserver(this); }
    ~FocusWatch() override { form_.removeObserver(this); }
    FocusWatch(const FocusWatch&) = delete;
    FocusWatch& operator=(const FocusWatch&) = delete;

    // Null until a control takes the focus, and again once it is destroyed.
    const Control* focused() const noexcept { return focused_; }

    void formChanged(Form&, Prop) override {}
    void controlChanged(Control& control, Prop what) override { focused_ = what == Prop::Focus ? &control : focused_; }
    void controlRemoved(Control& control) override { focused_ = focused_ == &control ? nullptr : focused_; }

private:
    Form& form_;
    const Control* focused_ = nullptr;
};

} // namespace forms
