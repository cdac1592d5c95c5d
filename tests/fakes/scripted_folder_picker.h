#pragma once
// The folder picker for tests: each request is recorded and answered from a
// script, in order; with the script used up the user cancels.
#include "platform/folder_picker.h"

#include <deque>
#include <vector>

namespace fakes {

class ScriptedFolderPicker : public platform::FolderPicker {
public:
    std::vector<platform::FolderRequest> asked;
    std::deque<std::string> answers;

    std::optional<std::string> pickFolder(const platform::FolderRequest& request) override {
        asked.push_back(request);
        if (answers.empty()) return std::nullopt;
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace fakes
