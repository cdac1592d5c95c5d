#pragma once
// The removing half of the product's entry in the system's list of installed
// programs: the key Setup wrote under HKEY_LOCAL_MACHINE.
#include "platform/registry.h"

#include <string>

namespace uninstall {

// Deletes the uninstall entry of the product `name`: deleted, not there
// (which is no failure), or refused with the system's reason.
rt::Outcome<platform::KeyGone> RemoveUninstallEntry(platform::Registry& registry, const std::string& name,
                                                    platform::RegistryRoot hive = platform::RegistryRoot::LocalMachine);

// Deletes a key that holds only values.
rt::Outcome<platform::KeyGone> DeleteRegistryKey(platform::Registry& registry, platform::RegistryRoot root,
                                                 const std::string& key);

} // namespace uninstall
