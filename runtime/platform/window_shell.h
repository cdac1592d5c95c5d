#pragma once
// What a program asks of the system's window shell: let the user drag a
// window that has no caption bar, and open a web address in the browser.
#include <string>

namespace forms {
class Form;
}

namespace platform {

class WindowShell {
public:
    virtual ~WindowShell() = default;
    // Starts the system's own move loop for the form's window, as a press on
    // a caption bar would; returns when the user lets go.
    virtual void dragWindow(forms::Form& form) = 0;
    // Opens the address with the user's default handler; the result is not
    // reported.
    virtual void openUrl(const std::string& url) = 0;
};

} // namespace platform
