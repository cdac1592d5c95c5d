#include "forms/control.h"

#include "forms/controls.h"
#include "forms/form.h"

namespace forms {

Control::Control(Form& form, std::string name, Frame* container)
    : form_(form), name_(std::move(name)), container_(container) {
    form_.registerControl(*this);
}

Control::~Control() { form_.unregisterControl(*this); }

void Control::notify(Prop what) { form_.notifyControl(*this, what); }

void Control::notifyItems(ItemChange change) { form_.notifyItems(*this, change); }

void Control::setFocus() { notify(Prop::Focus); }

void Control::move(int left, int top, int width, int height) {
    const Rect next{left, top, width, height};
    if (next == bounds_) return;
    bounds_ = next;
    notify(Prop::Geometry);
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    notify(Prop::Enabled);
}

void Control::setAccessibleName(std::string name) {
    if (name == accessibleName_) return;
    accessibleName_ = std::move(name);
    notify(Prop::Name);
}

void Control::setTabStop(bool tabStop) {
    if (tabStop == tabStop_) return;
    tabStop_ = tabStop;
    notify(Prop::TabStop);
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    notify(Prop::Visible);
}

void Control::setBackColor(Color color) {
    if (color == backColor_) return;
    backColor_ = color;
    notify(Prop::Colors);
}

void Control::setForeColor(Color color) {
    if (color == foreColor_) return;
    foreColor_ = color;
    notify(Prop::Colors);
}

void Control::setTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    notify(Prop::Colors);
}

void Control::setFont(Font font) {
    font_ = std::move(font);
    notify(Prop::Font);
}

} // namespace forms
