#pragma once
// List boxes (plain, or with a check box beside each entry) and the
// drop-down combo box.
#include "forms/control.h"

#include <vector>

namespace forms {

class ListBox : public Control {
public:
    enum class Style { Standard, CheckBox };
    using Control::Control;
    void accept(ControlVisitor& visitor) override;

    Style style() const noexcept { return style_; }
    void setStyle(Style style);

    // Inserts an entry at `index` (-1: after the last); an index outside
    // 0..count is refused (error 5). The current entry stays current.
    void AddItem(std::string text, int index = -1);
    // Removes entry `index` (error 381 outside the list); removing the current
    // entry leaves none current. Neither raises Click.
    void RemoveItem(int index);
    void Clear();  // also leaves no current item
    int ListCount() const noexcept { return static_cast<int>(items_.size()); }
    // The text of entry i; an index outside the list raises error 381.
    const std::string& List(int index) const;

    // The current item, -1 for none. Assigning an index outside -1..count-1 is
    // refused (invalid property value). Click is raised when it really changes.
    int listIndex() const noexcept { return listIndex_; }
    void setListIndex(int index);
    // Text of the current item, empty when there is none.
    std::string text() const;

    // The check mark beside an entry (the selection, for a plain list).
    bool selected(int index) const;
    void setSelected(int index, bool selected);

    // The user pressed on entry `index` (-1: below the entries) and released:
    // the pressed entry becomes current, then MouseDown / MouseUp are raised.
    void userPress(int index, const MouseArgs& args);
    void userRelease(const MouseArgs& args);
    // The user toggled the check box beside an entry.
    void userToggleCheck(int index);

    Event<int> ItemCheck;

private:
    void checkIndex(int index) const;

    Style style_ = Style::Standard;
    std::vector<std::string> items_;
    std::vector<bool> checked_;
    int listIndex_ = -1;
};

class ComboBox : public Control {
public:
    using Control::Control;
    void accept(ControlVisitor& visitor) override;

    // As the list box's: insert at `index` (-1: after the last) or remove one
    // item; the selected item stays selected, and removing it selects none
    // (the edit field keeps its text).
    void AddItem(std::string text, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const noexcept { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const;

    // The selected item, -1 for none; choosing an item puts its text into the
    // edit field and raises Click. Indices outside -1..count-1 are refused.
    int listIndex() const noexcept { return listIndex_; }
    void setListIndex(int index);
    // The edit field's text; typing changes it and leaves the index as it is.
    const std::string& text() const noexcept { return text_; }
    void setText(std::string text);

    // The user picked an item from the drop-down.
    void userPick(int index) { setListIndex(index); }

    Event<> Change;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::string text_;
};

} // namespace forms
