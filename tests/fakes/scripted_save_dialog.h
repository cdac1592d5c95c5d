#pragma once
// The Save dialog for tests: each request is recorded and answered from a
// script, in order; with the script used up the user cancels.
#include "platform/save_dialog.h"

#include <deque>
#include <vector>

namespace fakes {

class ScriptedSaveDialog : public platform::SaveDialog {
public:
    std::vector<platform::SaveRequest> asked;
    std::deque<std::optional<platform::SaveAnswer>> answers;

    std::optional<platform::SaveAnswer> ask(const platform::SaveRequest& request) override {
        asked.push_back(request);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace fakes
