#pragma once
// One command of a form's window that the user reaches two ways: an item at
// the end of the window's system menu (Alt+Space, or a right click on its
// task-bar button) and a Ctrl+key that works whichever control has the focus.
// The item's caption is asked for each time the menu opens, so it follows the
// program's language.
#include "win32/host.h"

#include <functional>
#include <memory>
#include <string>

namespace host {

class WindowCommand {
public:
    struct Action {
        char ctrlKey;  // an upper-case letter: 'S' for Ctrl+S
        std::function<std::string()> caption;
        std::function<void()> run;
    };

    // The form's window must exist (Application::attach).
    WindowCommand(Application& app, forms::Form& form, Action action);
    ~WindowCommand();
    WindowCommand(const WindowCommand&) = delete;
    WindowCommand& operator=(const WindowCommand&) = delete;

    // The id of the system menu's item, as WM_SYSCOMMAND carries it.
    static constexpr unsigned kItemId = 0x0110;

    struct Impl;

private:
    // Shared with the application's message filter, which outlives it.
    std::shared_ptr<Impl> impl_;
};

} // namespace host
