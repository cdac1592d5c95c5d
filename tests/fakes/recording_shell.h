#pragma once
// A window shell for tests: remembers every drag and every address opened.
#include "platform/window_shell.h"

#include <string>
#include <vector>

namespace fakes {

class RecordingShell : public platform::WindowShell {
public:
    std::vector<forms::Form*> drags;
    std::vector<std::string> urls;

    void dragWindow(forms::Form& form) override { drags.push_back(&form); }
    void openUrl(const std::string& url) override { urls.push_back(url); }
};

} // namespace fakes
