#include "Wizard/RunningProgram.h"

namespace wizard {

bool programClosed(platform::FileSystem& files, platform::MessageBoxes& boxes, const std::string& program,
                   const std::string& question, const std::string& title) {
    while (files.inUse(program)) {
        if (boxes.ask(question, title, platform::Buttons::RetryCancel, platform::BoxIcon::Warning) !=
            platform::Answer::Retry)
            return false;
    }
    return true;
}

} // namespace wizard
