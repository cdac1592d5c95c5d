#include "Wizard/QuietBoxes.h"

#include "Wizard/Language.h"

namespace wizard {

using platform::Answer;
using platform::Buttons;

namespace {

const char* nameOf(Answer answer) {
    switch (answer) {
    case Answer::Ok: return "OK";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
    case Answer::Retry: return "Retry";
    case Answer::Cancel: return "Cancel";
    }
    return "?";
}

} // namespace

Answer defaultAnswer(Buttons buttons) {
    switch (buttons) {
    case Buttons::YesNo: return Answer::Yes;
    case Buttons::RetryCancel: return Answer::Cancel;
    case Buttons::Ok: break;
    }
    return Answer::Ok;
}

QuietBoxes::QuietBoxes(platform::MessageBoxes& shown, RunReport& report, const Switches& switches)
    : shown_(shown), report_(report), silent_(switches.quiet != Quiet::Shown),
      suppress_(switches.suppressMessageBoxes) {}

Answer QuietBoxes::ask(const std::string& shown, const std::string& title, Buttons buttons, platform::BoxIcon icon) {
    const std::string text = inEnglish(shown);  // for the log
    if (buttons == Buttons::Ok) {
        if (silent_) {
            report_.failed(text);
            return Answer::Ok;
        }
        report_.step("Message: " + text);
        return shown_.ask(shown, title, buttons, icon);
    }
    const Answer answer = suppress_ ? defaultAnswer(buttons) : shown_.ask(shown, title, buttons, icon);
    report_.step("Question: " + text + " Answer: " + nameOf(answer) + (suppress_ ? " (the default)." : "."));
    if (answer == Answer::No || answer == Answer::Cancel) report_.cancelled(text + " " + nameOf(answer) + ".");
    return answer;
}

} // namespace wizard
