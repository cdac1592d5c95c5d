#include "forms/lists.h"

#include "core/errors.h"
#include "forms/control_visitor.h"

namespace forms {

void ListBox::accept(ControlVisitor& visitor) { visitor.visit(*this); }
void ComboBox::accept(ControlVisitor& visitor) { visitor.visit(*this); }

namespace {

constexpr int kInvalidArrayIndex = 381;

// Where an insertion at `index` goes in a list of `count`; -1 appends.
int insertionPoint(const std::string& name, int index, int count) {
    if (index == -1) return count;
    if (index < 0 || index > count) rt::raise(rt::InvalidProcedureCall, name + ".AddItem index " + std::to_string(index));
    return index;
}

void checkRow(const std::string& name, int index, int count) {
    if (index < 0 || index >= count) rt::raise(kInvalidArrayIndex, name + ": no entry " + std::to_string(index));
}

// The current row once `change` is made: it follows its entry, and is gone
// with it.
int currentAfter(int current, const ItemChange& change) {
    if (current < 0) return current;
    switch (change.what) {
    case ItemChange::What::Inserted: return change.index <= current ? current + 1 : current;
    case ItemChange::What::Removed:
        return change.index == current ? -1 : change.index < current ? current - 1 : current;
    case ItemChange::What::Cleared: return -1;
    }
    return current;
}

} // namespace

void ListBox::setStyle(Style style) {
    style_ = style;
    notify(Prop::Items);
}

void ListBox::AddItem(std::string text, int index) {
    index = insertionPoint(name(), index, ListCount());
    items_.insert(items_.begin() + index, std::move(text));
    checked_.insert(checked_.begin() + index, false);
    const ItemChange change{ItemChange::What::Inserted, index};
    listIndex_ = currentAfter(listIndex_, change);
    notifyItems(change);
}

void ListBox::RemoveItem(int index) {
    checkIndex(index);
    items_.erase(items_.begin() + index);
    checked_.erase(checked_.begin() + index);
    const ItemChange change{ItemChange::What::Removed, index};
    listIndex_ = currentAfter(listIndex_, change);
    notifyItems(change);
}

void ListBox::Clear() {
    items_.clear();
    checked_.clear();
    listIndex_ = -1;
    notifyItems({ItemChange::What::Cleared, -1});
}

void ListBox::checkIndex(int index) const { checkRow(name(), index, ListCount()); }

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

void ComboBox::AddItem(std::string text, int index) {
    index = insertionPoint(name(), index, ListCount());
    items_.insert(items_.begin() + index, std::move(text));
    const ItemChange change{ItemChange::What::Inserted, index};
    listIndex_ = currentAfter(listIndex_, change);
    notifyItems(change);
}

void ComboBox::RemoveItem(int index) {
    checkRow(name(), index, ListCount());
    items_.erase(items_.begin() + index);
    const ItemChange change{ItemChange::What::Removed, index};
    listIndex_ = currentAfter(listIndex_, change);
    notifyItems(change);
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    notifyItems({ItemChange::What::Cleared, -1});
}

const std::string& ComboBox::List(int index) const {
    checkRow(name(), index, ListCount());
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
