#include "Setup/SetupAddRemovePrograms.h"

#include "Product.h"

namespace setup {

std::string uninstallKey(const std::string& name) { return std::string(product::kUninstallKeyParent) + name; }

bool AddUninstallEntry(platform::Registry& registry, const std::string& name, const std::string& command) {
    const std::string key = uninstallKey(name);
    const bool named = SetRegistryString(registry, platform::RegistryRoot::LocalMachine, key, "DisplayName", name);
    const bool commanded =
        SetRegistryString(registry, platform::RegistryRoot::LocalMachine, key, "UninstallString", command);
    return named && commanded;
}

bool SetRegistryString(platform::Registry& registry, platform::RegistryRoot root, const std::string& key,
                       const std::string& valueName, const std::string& data) {
    return registry.setString(root, key, valueName, data);
}

std::string quotedCommand(const std::string& path) { return "\"" + path + "\""; }

} // namespace setup
