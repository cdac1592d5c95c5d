#pragma once
// The window shell on Windows: the system's move loop and ShellExecute.
#include "platform/window_shell.h"

namespace host {

class Win32WindowShell : public platform::WindowShell {
public:
    void dragWindow(forms::Form& form) override;
    void openUrl(const std::string& url) override;
};

} // namespace host
