#pragma once
// The registry, as the installer and the uninstaller use it: string and
// 32-bit number values under a key, and deleting a key that holds only values. Key paths use "\"
// and are UTF-8; the Windows side speaks to the registry in UTF-16.
#include "core/outcome.h"

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

enum class RegistryRoot { LocalMachine, CurrentUser };

// How a deleted key went: either way it is not there afterwards, so a key
// that never was there is no failure.
enum class KeyGone { Deleted, NotThere };

class Registry {
public:
    virtual ~Registry() = default;
    // Opens the key under the root, creating it and any missing keys above it,
    // and sets the named value to the text as a string value (REG_SZ),
    // replacing an existing one. Fails with the system's reason when the key
    // cannot be created or the value cannot be written (for example without
    // the right to write there).
    virtual rt::Outcome<> setString(RegistryRoot root, const std::string& key, const std::string& name,
                                    const std::string& data) = 0;
    // The same for a 32-bit number value (REG_DWORD).
    virtual rt::Outcome<> setDword(RegistryRoot root, const std::string& key, const std::string& name,
                                   std::uint32_t data) = 0;
    // A string value, or nothing when the key or the value is missing or the
    // value is not a string: for the reads, a value that is not there is an
    // answer, not a failure.
    virtual std::optional<std::string> readString(RegistryRoot root, const std::string& key,
                                                  const std::string& name) = 0;
    // A number value, or nothing when the key or the value is missing or the
    // value is not a REG_DWORD.
    virtual std::optional<std::uint32_t> readDword(RegistryRoot root, const std::string& key,
                                                   const std::string& name) = 0;
    // Deletes one value; succeeds when it is not there afterwards.
    virtual rt::Outcome<> deleteValue(RegistryRoot root, const std::string& key, const std::string& name) = 0;
    // Deletes a key that has no subkeys; fails with the system's reason while
    // the key stays (a key with subkeys, no right to write there).
    virtual rt::Outcome<KeyGone> deleteKey(RegistryRoot root, const std::string& key) = 0;
    // On a 64-bit Windows, 32-bit and 64-bit programs each see a view of
    // their own of HKEY_LOCAL_MACHINE\Software: the other build of the
    // program lists itself in the other one. A string value from that view;
    // nothing where the system has one view.
    virtual std::optional<std::string> readStringInOtherView(RegistryRoot root, const std::string& key,
                                                             const std::string& name) {
        (void)root, (void)key, (void)name;
        return std::nullopt;
    }
    // "32-bit view" or "64-bit view", the view this program writes, where
    // the system has two; empty where it has one.
    virtual std::string viewName() const { return {}; }
};

} // namespace platform
