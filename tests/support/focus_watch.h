#pragma once
// Which control of a form the program last gave the keyboard focus: what a
// host would move its window's focus to.
#include "forms/form.h"

namespace forms {

class FocusWatch : public FormObserver {
public:
    explicit FocusWatch(Form& form) : form_(&form) { form.addObserver(this); }
    ~FocusWatch() override {
        if (form_) form_->removeObserver(this);
    }
    FocusWatch(const FocusWatch&) = delete;
    FocusWatch& operator=(const FocusWatch&) = delete;

    // Null until a control takes the focus, and again once it is destroyed.
    const Control* focused() const noexcept { return focused_; }

    void formChanged(Form&, Prop) override {}
    void controlChanged(Control& control, Prop what) override {
        if (what == Prop::Focus) focused_ = &control;
    }
    void controlRemoved(Control& control) override {
        if (focused_ == &control) focused_ = nullptr;
    }
    void formDestroyed(Form&) override { form_ = nullptr; }

private:
    Form* form_;
    const Control* focused_ = nullptr;
};

} // namespace forms
