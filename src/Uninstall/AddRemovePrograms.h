#pragma once
// The removing half of the product's entry in the system's list of installed
// programs: the key Setup wrote under HKEY_LOCAL_MACHINE.
#include "platform/registry.h"

#include <string>

namespace uninstall {

// Deletes the uninstall entry of the product `name`. Returns the registry's
// result: 0 deleted, 2 there was no entry (which is no failure).
long RemoveUninstallEntry(platform::Registry& registry, const std::string& name);

// Deletes a key that holds only values; returns the registry's result code.
long DeleteRegistryKey(platform::Registry& registry, platform::RegistryRoot root, const std::string& key);

// The key of the product's uninstall entry, under HKEY_LOCAL_MACHINE.
std::string uninstallKey(const std::string& name);

} // namespace uninstall
