#pragma once
// Message boxes for tests: each question is recorded and answered from a
// script, in order; with the script used up, Yes/No is answered Yes and
// Retry/Cancel Cancel, so that a test can never loop on Retry.
#include "platform/message_boxes.h"

#include <deque>
#include <string>
#include <vector>

namespace fakes {

class ScriptedMessageBoxes : public platform::MessageBoxes {
public:
    struct Asked {
        std::string text, title;
        platform::Buttons buttons;
    };
    std::vector<Asked> asked;
    std::deque<platform::Answer> answers;

    platform::Answer ask(const std::string& text, const std::string& title, platform::Buttons buttons,
                         platform::BoxIcon) override {
        asked.push_back({text, title, buttons});
        if (!answers.empty()) {
            const platform::Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        switch (buttons) {
        case platform::Buttons::YesNo: return platform::Answer::Yes;
        case platform::Buttons::RetryCancel: return platform::Answer::Cancel;
        case platform::Buttons::Ok: break;
        }
        return platform::Answer::Ok;
    }
};

} // namespace fakes
