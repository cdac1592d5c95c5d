#pragma once
// Another installation of the product: the uninstall entry names an
// uninstaller that is there. The folder page proposes that installation's
// folder, and a second copy elsewhere is installed only when the user says
// so. The entry then names the new copy; the first keeps its record and its
// own uninstaller, which leaves the entry alone.
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"

#include <optional>
#include <string>

namespace setup {

// The folder of the installation the entry names, in normal form; nothing
// when there is no entry or its uninstaller is gone.
std::optional<std::string> installedFolder(platform::FileSystem& files, platform::Registry& registry,
                                           const std::string& productName);

// True when the install may go into `folder` (in normal form) as far as
// another installation goes: there is none elsewhere, or the user wants a
// second copy (Yes, the default a silent run takes).
bool secondCopyWanted(platform::FileSystem& files, platform::Registry& registry, platform::MessageBoxes& boxes,
                      const std::string& productName, const std::string& folder, const std::string& title);

} // namespace setup
