#pragma once
// The uninstall entry that lists the product among the installed programs:
// the key "...\Uninstall\" & the name under HKEY_LOCAL_MACHINE with exactly
// two string values.
#include "platform/registry.h"

#include <string>

namespace setup {

// The key of the product's uninstall entry, under HKEY_LOCAL_MACHINE.
std::string uninstallKey(const std::string& name);

// Writes "DisplayName" = the name, then "UninstallString" = the command.
// True when both values were written.
bool AddUninstallEntry(platform::Registry& registry, const std::string& name, const std::string& command);

// Sets one string value, creating the key and any missing keys above it.
bool SetRegistryString(platform::Registry& registry, platform::RegistryRoot root, const std::string& key,
                       const std::string& valueName, const std::string& data);

// The uninstall command for an uninstaller path: the path in double quotes,
// so that Windows never tries "C:\Program.exe" for a path with spaces.
std::string quotedCommand(const std::string& path);

} // namespace setup
