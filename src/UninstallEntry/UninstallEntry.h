#pragma once
// The uninstall entry that lists the product among the installed programs:
// the key "...\Uninstall\" & the name under HKEY_LOCAL_MACHINE, with the
// values Windows and deployment tools read. Setup writes it for the copy it
// installs; Uninstall writes it again for a copy that remains.
#include "platform/files.h"
#include "platform/registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace entry {

// A registry value's data: a string (REG_SZ) or a number (REG_DWORD).
using RegistryData = std::variant<std::string, std::uint32_t>;

struct EntryValue {
    std::string name;
    RegistryData data;
};

// One value as it stood before the entry was written; no data when absent.
struct PriorValue {
    std::string name;
    std::optional<RegistryData> data;
};

// What the entry says about one installation.
struct InstalledProduct {
    std::string name;    // the product's name: the key and "DisplayName"
    std::string folder;  // the install folder, in normal form
    std::uint64_t bytesWritten = 0;  // the files this installation wrote
};

// The key of the product's uninstall entry, under either hive.
std::string uninstallKey(const std::string& name);
// Where the entry is, for the log: the hive, and for HKEY_LOCAL_MACHINE the
// registry view where the system has two ("HKEY_LOCAL_MACHINE, 32-bit
// view"); the user's software keys are one for both views.
std::string rootAndView(const platform::Registry& registry, platform::RegistryRoot hive);

// Every value of the entry, "DisplayName" and "UninstallString" first.
std::vector<EntryValue> uninstallEntryValues(const InstalledProduct& product);

// The bytes of those files that are there, for "EstimatedSize".
std::uint64_t bytesOfFiles(platform::FileSystem& files, const std::vector<std::string>& paths);

// Writes the values into the product's entry, creating the key. Every value
// is tried; a failure gives the reason of the first one refused.
rt::Outcome<> AddUninstallEntry(platform::Registry& registry, const std::string& name,
                                const std::vector<EntryValue>& values,
                                platform::RegistryRoot hive = platform::RegistryRoot::LocalMachine);

// Sets one string value, creating the key and any missing keys above it.
rt::Outcome<> SetRegistryString(platform::Registry& registry, platform::RegistryRoot root, const std::string& key,
                                const std::string& valueName, const std::string& data);

// One value under the hive (HKEY_LOCAL_MACHINE for an installation for all
// users, HKEY_CURRENT_USER for one for the user alone), of the kind its data is.
rt::Outcome<> writeValue(platform::Registry& registry, const std::string& key, const EntryValue& value,
                         platform::RegistryRoot hive = platform::RegistryRoot::LocalMachine);
// The values of those names as they stand now, each read as the kind given.
std::vector<PriorValue> currentValues(platform::Registry& registry, const std::string& key,
                                      const std::vector<EntryValue>& like,
                                      platform::RegistryRoot hive = platform::RegistryRoot::LocalMachine);

// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER", for the log.
const char* hiveName(platform::RegistryRoot hive);

// The uninstall command for an uninstaller path: the path in double quotes,
// so that Windows never tries "C:\Program.exe" for a path with spaces.
std::string quotedCommand(const std::string& path);

} // namespace entry
