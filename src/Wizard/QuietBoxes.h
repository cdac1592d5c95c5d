#pragma once
// The message boxes of a run started from the command line. Every question
// and notice goes into the log. With /SUPPRESSMSGBOXES a question is
// answered with its default and never shown: Yes for Yes/No (the questions
// are asked so that Yes goes on), Cancel for Retry/Cancel (nothing waits
// for a program that nobody will close). In a silent run a notice is a
// failure: it goes to the log and the exit status, never to a box that
// would wait for a user who is not there.
#include "Wizard/RunReport.h"
#include "Wizard/Switches.h"
#include "platform/message_boxes.h"

namespace wizard {

platform::Answer defaultAnswer(platform::Buttons buttons);

class QuietBoxes : public platform::MessageBoxes {
public:
    QuietBoxes(platform::MessageBoxes& shown, RunReport& report, const Switches& switches);
    platform::Answer ask(const std::string& text, const std::string& title, platform::Buttons buttons,
                         platform::BoxIcon icon) override;

private:
    platform::MessageBoxes& shown_;
    RunReport& report_;
    bool silent_;
    bool suppress_;
};

} // namespace wizard
