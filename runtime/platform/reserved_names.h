#pragma once
// The names Windows keeps for devices: a file or folder of that name, with
// any extension, opens the device instead. Both the check on a typed install
// folder and the check on a package's entry names use this one table.
#include <string_view>

namespace platform {

// CON, PRN, AUX, NUL, COM0-COM9, LPT0-LPT9, and COM or LPT followed by a
// superscript one, two or three; in any case, with or without an extension,
// and with spaces before the extension ("CON .txt").
bool isReservedDeviceName(std::string_view name) noexcept;

} // namespace platform
