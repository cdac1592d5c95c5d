#pragma once
// A registry for tests: values kept in a map by root and key; `writable`
// false plays a user without the right to write.
#include "platform/registry.h"

#include <map>
#include <string>
#include <tuple>

namespace fakes {

class FakeRegistry : public platform::Registry {
public:
    using Key = std::pair<platform::RegistryRoot, std::string>;
    std::map<Key, std::map<std::string, std::string>> keys;
    bool writable = true;

    bool setString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                   const std::string& data) override {
        if (!writable) return false;
        keys[{root, key}][name] = data;
        return true;
    }
    std::optional<std::string> readString(platform::RegistryRoot root, const std::string& key,
                                          const std::string& name) override {
        const auto k = keys.find({root, key});
        if (k == keys.end()) return std::nullopt;
        const auto v = k->second.find(name);
        if (v == k->second.end()) return std::nullopt;
        return v->second;
    }
    platform::KeyDeletion deleteKey(platform::RegistryRoot root, const std::string& key) override {
        using Outcome = platform::KeyDeletion::Outcome;
        if (!writable) return {Outcome::Refused, "Access is denied"};
        return {keys.erase({root, key}) ? Outcome::Deleted : Outcome::NotThere, {}};
    }
};

} // namespace fakes
