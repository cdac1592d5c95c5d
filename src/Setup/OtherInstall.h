#pragma once
// Another installation of the product: the uninstall entry names an
// uninstaller that is there. The folder page proposes that installation's
// folder, and a second copy elsewhere is installed only when the user says
// so. The entry then names the new copy, whose record names the first: the
// first's own uninstaller leaves the entry alone, and the new copy's hands it
// back to the first.
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"

#include <optional>
#include <string>
#include <vector>

namespace setup {

// Each function reads the entry in one hive: an installation for all users
// and one for the user alone each have their own, and neither touches the
// other's.
//
// The folder of the installation the entry names, in normal form; nothing
// when there is no entry or its uninstaller is gone.
std::optional<std::string> installedFolder(platform::FileSystem& files, platform::Registry& registry,
                                           const std::string& productName,
                                           platform::RegistryRoot hive = platform::RegistryRoot::LocalMachine);

// True when the install may go into `folder` (in normal form) as far as
// another installation goes: there is none elsewhere, or the user wants a
// second copy (Yes, the default a silent run takes).
bool secondCopyWanted(platform::FileSystem& files, platform::Registry& registry, platform::MessageBoxes& boxes,
                      const std::string& productName, const std::string& folder, const std::string& title,
                      platform::RegistryRoot hive = platform::RegistryRoot::LocalMachine);

// The folders of the copies whose entry an install into `folder` takes over,
// for its record: the installation the entry names when it is elsewhere,
// then those that one took the entry over from, so that the entry still
// finds a remaining copy when some go in another order. None for a first
// install or one over the same copy.
std::vector<std::string> replacedCopies(platform::FileSystem& files, platform::Registry& registry,
                                        const std::string& productName, const std::string& folder,
                                        platform::RegistryRoot hive = platform::RegistryRoot::LocalMachine);

} // namespace setup
