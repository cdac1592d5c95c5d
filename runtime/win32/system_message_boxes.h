#pragma once
// The system's message box, owned by the thread's active window.
#include "platform/message_boxes.h"

namespace host {

class SystemMessageBoxes : public platform::MessageBoxes {
public:
    platform::Answer ask(const std::string& text, const std::string& title, platform::Buttons buttons,
                         platform::BoxIcon icon) override;
};

} // namespace host
