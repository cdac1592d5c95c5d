#pragma once
// A choice among a few settings, offered as a submenu of a form's window
// menu (Alt+Space, or a right click on its task-bar button): one item per
// choice, the chosen one checked. Captions and the check are asked for each
// time the menu opens, so they follow the program's language and state.
#include "forms/form.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace host {

class WindowChoiceMenu {
public:
    struct Choices {
        std::function<std::string()> title;
        std::function<std::vector<std::string>()> items;
        std::function<int()> checked;
        std::function<void(int)> choose;
    };

    // The form's window must exist. The submenu goes just above the window
    // menu's item `beforeItem` (another command of the window), or at the
    // end when there is none.
    WindowChoiceMenu(forms::Form& form, unsigned beforeItem, Choices choices);
    ~WindowChoiceMenu();
    WindowChoiceMenu(const WindowChoiceMenu&) = delete;
    WindowChoiceMenu& operator=(const WindowChoiceMenu&) = delete;

    // The command id of item `index`. The system keeps the low four bits of a
    // window-menu command for itself, so the ids go in steps of 16.
    static constexpr unsigned itemId(int index) { return 0x0200 + 16 * static_cast<unsigned>(index); }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace host
