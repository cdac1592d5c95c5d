#include "Uninstall/UninstallAddRemovePrograms.h"

#include "UninstallEntry/UninstallEntry.h"

namespace uninstall {

rt::Outcome<platform::KeyGone> RemoveUninstallEntry(platform::Registry& registry, const std::string& name,
                                                    platform::RegistryRoot hive) {
    return DeleteRegistryKey(registry, hive, entry::uninstallKey(name));
}

rt::Outcome<platform::KeyGone> DeleteRegistryKey(platform::Registry& registry, platform::RegistryRoot root,
                                                 const std::string& key) {
    return registry.deleteKey(root, key);
}

} // namespace uninstall
