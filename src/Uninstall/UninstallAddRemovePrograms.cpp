#include "Uninstall/UninstallAddRemovePrograms.h"

#include "Product.h"

namespace uninstall {

std::string uninstallKey(const std::string& name) {
    return std::string(product::kUninstallKeyParent) + name;
}

platform::KeyDeletion RemoveUninstallEntry(platform::Registry& registry, const std::string& name) {
    return DeleteRegistryKey(registry, platform::RegistryRoot::LocalMachine, uninstallKey(name));
}

platform::KeyDeletion DeleteRegistryKey(platform::Registry& registry, platform::RegistryRoot root,
                                        const std::string& key) {
    return registry.deleteKey(root, key);
}

} // namespace uninstall
