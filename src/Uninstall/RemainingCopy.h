#pragma once
// Another copy of the product that stays when this one goes. Its install
// record names the copies whose entry an installation took over; when that
// installation goes, the entry goes back to the first of them still there.
#include "UninstallEntry/UninstallEntry.h"
#include "platform/files.h"

#include <optional>
#include <string>
#include <vector>

namespace uninstall {

// The first of the `replaced` folders that still holds an installation (its
// uninstaller is there and its own record lists it), as the entry describes
// it: its size is that of the recorded files still there.
std::optional<entry::InstalledProduct> remainingCopy(platform::FileSystem& files, const std::string& productName,
                                                     const std::vector<std::string>& replaced);

} // namespace uninstall
