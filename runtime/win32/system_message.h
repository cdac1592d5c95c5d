#pragma once
// The system's own words for an error code, for messages that name a reason.
#include <windows.h>

#include <string>

namespace host {

// The text FormatMessage gives, without its closing full stop and line
// break; "system error N" when the system has none.
std::string systemMessage(DWORD error);

} // namespace host
