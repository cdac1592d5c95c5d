#include "forms/form.h"

#include "forms/control.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace forms {

ScreenMetrics& screen() {
    static ScreenMetrics metrics;
    return metrics;
}

int twipsToPixels(double twips, double twipsPerPixel) noexcept {
    const double pixels = std::nearbyint(twips / twipsPerPixel);  // the default rounding: half to even
    if (!(pixels > INT_MIN)) return INT_MIN;
    if (!(pixels < INT_MAX)) return INT_MAX;
    return static_cast<int>(pixels);
}

Form::Form(std::string name) : name_(std::move(name)) {}
Form::~Form() {
    const auto observers = observers_;
    for (FormObserver* o : observers) o->formDestroyed(*this);
}

void Form::registerControl(Control& control) {
    controls_.push_back(&control);
    for (FormObserver* o : observers_) o->controlAdded(control);
}

void Form::unregisterControl(Control& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
    const auto observers = observers_;
    for (FormObserver* o : observers) o->controlRemoved(control);
}

void Form::notifyControl(Control& control, Prop what) {
    // Copy: an observer may detach while being told.
    const auto observers = observers_;
    for (FormObserver* o : observers) o->controlChanged(control, what);
}

void Form::notifyItems(Control& control, ItemChange change) {
    const auto observers = observers_;
    for (FormObserver* o : observers) o->itemsChanged(control, change);
}

void Form::notify(Prop what) {
    const auto observers = observers_;
    for (FormObserver* o : observers) o->formChanged(*this, what);
}

void Form::addObserver(FormObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) observers_.push_back(observer);
}

void Form::removeObserver(FormObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Prop::Caption);
}

void Form::setLeft(float left) {
    positioned_ = true;
    if (left == left_) return;
    left_ = left;
    notify(Prop::Geometry);
}

void Form::setTop(float top) {
    positioned_ = true;
    if (top == top_) return;
    top_ = top;
    notify(Prop::Geometry);
}

void Form::setClientSize(int width, int height) {
    if (width == clientWidth_ && height == clientHeight_) return;
    clientWidth_ = width;
    clientHeight_ = height;
    notify(Prop::Geometry);
}

void Form::setBackColor(Color color) {
    if (color == backColor_) return;
    backColor_ = color;
    notify(Prop::Colors);
}

void Form::setWindowState(State state) {
    if (state == state_) return;
    state_ = state;
    notify(Prop::WindowState);
}

void Form::setRegion(std::optional<RoundRegion> region) {
    region_ = region;
    notify(Prop::Region);
}

void Form::show() {
    load();
    if (visible_) return;
    visible_ = true;
    notify(Prop::Visible);
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    notify(Prop::Visible);
}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    Load();
}

void Form::unload() {
    if (!loaded_) return;
    const Lifetime::Watch self = watch();
    Unload();
    if (!self.alive()) return;  // the handler destroyed the form
    loaded_ = false;
    hide();
}

void Form::hostAttached(std::uintptr_t hWnd, int borderWidth, int borderHeight) {
    hWnd_ = hWnd;
    borderWidth_ = borderWidth;
    borderHeight_ = borderHeight;
}

void Form::hostMoved(float left, float top) {
    left_ = left;
    top_ = top;
}

void Form::hostStateChanged(State state) { state_ = state; }

void Form::endProgram() {
    const auto observers = observers_;
    for (FormObserver* o : observers) o->programEnding(*this);
    throw ProgramEnded{};
}

} // namespace forms
