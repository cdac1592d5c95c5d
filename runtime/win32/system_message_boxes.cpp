#include "win32/system_message_boxes.h"

#include "win32/wide_text.h"

namespace host {

namespace {

UINT styleOf(platform::Buttons buttons) {
    switch (buttons) {
    case platform::Buttons::Ok: return MB_OK;
    case platform::Buttons::YesNo: return MB_YESNO;
    case platform::Buttons::RetryCancel: return MB_RETRYCANCEL;
    }
    return MB_OK;
}

UINT styleOf(platform::BoxIcon icon) {
    switch (icon) {
    case platform::BoxIcon::Information: return MB_ICONINFORMATION;
    case platform::BoxIcon::Question: return MB_ICONQUESTION;
    case platform::BoxIcon::Warning: return MB_ICONWARNING;
    case platform::BoxIcon::Error: return MB_ICONERROR;
    }
    return 0;
}

} // namespace

platform::Answer SystemMessageBoxes::ask(const std::string& text, const std::string& title,
                                         platform::Buttons buttons, platform::BoxIcon icon) {
    // With no active window of ours (a silent run), the box still comes to
    // the front instead of hiding behind other programs' windows.
    HWND owner = ::GetActiveWindow();
    const UINT style = styleOf(buttons) | styleOf(icon) | (owner ? 0u : MB_SETFOREGROUND | MB_TASKMODAL);
    switch (::MessageBoxW(owner, widen(text).c_str(), widen(title).c_str(), style)) {
    case IDYES: return platform::Answer::Yes;
    case IDNO: return platform::Answer::No;
    case IDRETRY: return platform::Answer::Retry;
    case IDOK: return platform::Answer::Ok;
    default: break;
    }
    // Esc or the close box.
    return buttons == platform::Buttons::YesNo ? platform::Answer::No
           : buttons == platform::Buttons::Ok  ? platform::Answer::Ok
                                               : platform::Answer::Cancel;
}

} // namespace host
