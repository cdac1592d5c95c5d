#pragma once
// Questions and notices in the system's message box. The programs ask here
// (never through a window of their own) so that tests can answer for the
// user and a silent run can answer with each question's default.
#include <string>

namespace platform {

enum class Buttons { Ok, YesNo, RetryCancel };
enum class Answer { Ok, Yes, No, Retry, Cancel };
enum class BoxIcon { Information, Question, Warning, Error };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows `text` under `title` over the program's active window and waits
    // for the user's answer. Closing the box answers Cancel, or No for
    // Yes/No, or Ok. Timers go on ticking while the box is up: a caller in a
    // timer tick stops its timer first.
    virtual Answer ask(const std::string& text, const std::string& title, Buttons buttons, BoxIcon icon) = 0;
};

} // namespace platform
