#pragma once
// The real registry through the wide-character functions. Keys are opened in
// the program's own view (a 32-bit program on 64-bit Windows sees the
// 32-bit view), so what Setup writes its Uninstall of the same build finds.
#include "platform/registry.h"

namespace host {

class SystemRegistry : public platform::Registry {
public:
    rt::Outcome<> setString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                            const std::string& data) override;
    rt::Outcome<> setDword(platform::RegistryRoot root, const std::string& key, const std::string& name,
                           std::uint32_t data) override;
    std::optional<std::string> readString(platform::RegistryRoot root, const std::string& key,
                                          const std::string& name) override;
    std::optional<std::uint32_t> readDword(platform::RegistryRoot root, const std::string& key,
                                           const std::string& name) override;
    rt::Outcome<> deleteValue(platform::RegistryRoot root, const std::string& key, const std::string& name) override;
    rt::Outcome<platform::KeyGone> deleteKey(platform::RegistryRoot root, const std::string& key) override;
    std::optional<std::string> readStringInOtherView(platform::RegistryRoot root, const std::string& key,
                                                     const std::string& name) override;
    std::string viewName() const override;
};

} // namespace host
