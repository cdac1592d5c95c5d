#include "Uninstall/UninstallAddRemovePrograms.h"

#include "UninstallEntry/UninstallEntry.h"

namespace uninstall {

platform::KeyDeletion RemoveUninstallEntry(platform::Registry& registry, const std::string& name) {
    return DeleteRegistryKey(registry, platform::RegistryRoot::LocalMachine, entry::uninstallKey(name));
}

platform::KeyDeletion DeleteRegistryKey(platform::Registry& registry, platform::RegistryRoot root,
                                        const std::string& key) {
    return registry.deleteKey(root, key);
}

} // namespace uninstall
