#pragma once
// The one validator of a folder a person typed to install into. It refuses
// what could never be a sound install folder and gives the rest in its
// normal form, which is what every later step then uses.
#include "platform/files.h"

#include <string>
#include <string_view>

namespace platform {

// The folder in normal form, or why it is refused, as a sentence. Refuses
// an empty text, a relative path, a path on no drive, a name Windows cannot
// hold (a device name, one of <>:"|?*, a control character, a name over 255
// characters or ending in a space or a dot), a drive's root and anything in
// `windowsFolder`. Surrounding spaces and one pair of quotes
// (as "Copy as path" gives) are dropped first.
rt::Outcome<std::string> checkInstallFolder(FileSystem& files, std::string_view typed, std::string_view windowsFolder);

} // namespace platform
