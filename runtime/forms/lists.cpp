#include "forms/lists.h"

#include "core/errors.h"

namespace forms {

namespace {
constexpr int kInvalidArrayIndex = 381;
}

void ListBox::setStyle(Style style) {
    style_ = style;
    notify(Prop::Items);
}

void ListBox::AddItem(std::string text) {
    items_.push_back(std::move(text));
    checked_.push_back(false);
    notify(Prop::Items);
}

void ListBox::Clear() {
    items_.clear();
    checked_.clear();
    listIndex_ = -1;
    notify(Prop::Items);
}

void ListBox::checkIndex(int index) const {
    if (index < 0 || index >= ListCount()) rt::raise(kInvalidArrayIndex, name() + ": no entry " + std::to_string(index));
}

const std::string& ListBox::List(int index) const {
    checkIndex(index);
    return items_[static_cast<std::size_t>(index)];
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) rt::raise(rt::InvalidPropertyValue, name() + ".ListIndex");
    if (index == listIndex_) return;
    listIndex_ = index;
    notify(Prop::ListIndex);
    Click();
}

std::string ListBox::text() const {
    return listIndex_ >= 0 ? items_[static_cast<std::size_t>(listIndex_)] : std::string();
}

bool ListBox::selected(int index) const {
    checkIndex(index);
    return style_ == Style::CheckBox ? checked_[static_cast<std::size_t>(index)] : index == listIndex_;
}

void ListBox::setSelected(int index, bool selected) {
    checkIndex(index);
    if (style_ == Style::Standard) {
        if (selected) setListIndex(index);
        else if (index == listIndex_) setListIndex(-1);
        return;
    }
    if (checked_[static_cast<std::size_t>(index)] == selected) return;
    checked_[static_cast<std::size_t>(index)] = selected;
    notify(Prop::Checked);
    ItemCheck(index);
}

void ListBox::userPress(int index, const MouseArgs& args) {
    const Lifetime::Watch self = watch();
    if (index >= 0 && index < ListCount()) setListIndex(index);
    if (self.alive()) MouseDown(args);  // unless the Click handler destroyed the list
}

void ListBox::userRelease(const MouseArgs& args) { MouseUp(args); }

void ListBox::userToggleCheck(int index) {
    if (index < 0 || index >= ListCount() || style_ != Style::CheckBox) return;
    setSelected(index, !checked_[static_cast<std::size_t>(index)]);
}

void ComboBox::AddItem(std::string text) {
    items_.push_back(std::move(text));
    notify(Prop::Items);
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    notify(Prop::Items);
}

const std::string& ComboBox::List(int index) const {
    if (index < 0 || index >= ListCount()) rt::raise(kInvalidArrayIndex, name() + ": no item " + std::to_string(index));
    return items_[static_cast<std::size_t>(index)];
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) rt::raise(rt::InvalidPropertyValue, name() + ".ListIndex");
    if (index == listIndex_) return;
    listIndex_ = index;
    if (index >= 0 && text_ != items_[static_cast<std::size_t>(index)]) {
        text_ = items_[static_cast<std::size_t>(index)];
        notify(Prop::Text);
    }
    notify(Prop::ListIndex);
    Click();
}

void ComboBox::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    notify(Prop::Text);
    Change();
}

} // namespace forms
