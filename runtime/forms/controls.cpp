#include "forms/controls.h"

#include "core/errors.h"
#include "forms/control_visitor.h"
#include "forms/form.h"

#include <algorithm>

namespace forms {

void Label::accept(ControlVisitor& visitor) { visitor.visit(*this); }
void CommandButton::accept(ControlVisitor& visitor) { visitor.visit(*this); }
void CheckBox::accept(ControlVisitor& visitor) { visitor.visit(*this); }
void OptionButton::accept(ControlVisitor& visitor) { visitor.visit(*this); }
void TextBox::accept(ControlVisitor& visitor) { visitor.visit(*this); }
void Frame::accept(ControlVisitor& visitor) { visitor.visit(*this); }
void Image::accept(ControlVisitor& visitor) { visitor.visit(*this); }
void Shape::accept(ControlVisitor& visitor) { visitor.visit(*this); }
void Line::accept(ControlVisitor& visitor) { visitor.visit(*this); }

void Label::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Prop::Caption);
}

void Label::setAlignment(Alignment alignment) {
    alignment_ = alignment;
    notify(Prop::Caption);
}

void CommandButton::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Prop::Caption);
}

void CommandButton::press() {
    if (enabled()) Click();
}

void CheckBox::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Prop::Caption);
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2) rt::raise(rt::InvalidPropertyValue, name() + ".Value");
    if (value == value_) return;
    value_ = value;
    notify(Prop::Value);
    Click();
}

void OptionButton::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Prop::Caption);
}

std::vector<OptionButton*> OptionButton::group() {
    std::vector<OptionButton*> options;
    for (Control* c : form().controls())
        if (auto* option = dynamic_cast<OptionButton*>(c); option && option->container() == container()) options.push_back(option);
    return options;
}

void OptionButton::setValue(bool value) {
    if (value == value_) return;
    if (value) {
        for (OptionButton* other : group()) {
            if (other == this || !other->value_) continue;
            other->value_ = false;
            other->notify(Prop::Value);
        }
    }
    value_ = value;
    notify(Prop::Value);
    if (value) Click();
}

OptionButton& OptionButton::neighbour(int step) {
    const std::vector<OptionButton*> options = group();
    const auto count = static_cast<long>(options.size());
    const long at = std::find(options.begin(), options.end(), this) - options.begin();
    return *options[static_cast<std::size_t>(((at + step) % count + count) % count)];
}

void TextBox::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    selStart_ = selLength_ = 0;
    notify(Prop::Text);
    Change();
}

void TextBox::setSelection(int start, int length) {
    const int size = static_cast<int>(text_.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    selStart_ = start;
    selLength_ = length;
    notify(Prop::Selection);
}

void Frame::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Prop::Caption);
}

Picture drawnAtAnySize(int width, int height, std::function<Bitmap(int width, int height)> draw) {
    auto picture = std::make_shared<Bitmap>(draw(width, height));
    picture->redraw = std::move(draw);
    return picture;
}

void Image::setPicture(Picture picture) {
    picture_ = std::move(picture);
    notify(Prop::Picture);
}

void Image::setStretch(bool stretch) {
    if (stretch == stretch_) return;
    stretch_ = stretch;
    notify(Prop::Picture);
}

void Line::setEnds(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int l = std::min(x1, x2), t = std::min(y1, y2);
    move(l, t, std::max(x1, x2) - l + 1, std::max(y1, y2) - t + 1);
    notify(Prop::Geometry);
}

} // namespace forms
