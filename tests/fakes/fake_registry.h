#pragma once
// A registry for tests: string values and number values kept in two maps by
// root and key; `writable` false plays a user without the right to write.
#include "platform/registry.h"

#include <cstdint>
#include <map>
#include <string>
#include <tuple>

namespace fakes {

class FakeRegistry : public platform::Registry {
public:
    using Key = std::pair<platform::RegistryRoot, std::string>;
    std::map<Key, std::map<std::string, std::string>> keys;
    std::map<Key, std::map<std::string, std::uint32_t>> dwords;
    bool writable = true;

    rt::Outcome<> setString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                            const std::string& data) override {
        if (!writable) return rt::fail(kDenied);
        keys[{root, key}][name] = data;
        return {};
    }
    rt::Outcome<> setDword(platform::RegistryRoot root, const std::string& key, const std::string& name,
                           std::uint32_t data) override {
        if (!writable) return rt::fail(kDenied);
        dwords[{root, key}][name] = data;
        return {};
    }
    std::optional<std::string> readString(platform::RegistryRoot root, const std::string& key,
                                          const std::string& name) override {
        return find(keys, {root, key}, name);
    }
    std::optional<std::uint32_t> readDword(platform::RegistryRoot root, const std::string& key,
                                           const std::string& name) override {
        return find(dwords, {root, key}, name);
    }
    rt::Outcome<> deleteValue(platform::RegistryRoot root, const std::string& key, const std::string& name) override {
        if (!writable) return rt::fail(kDenied);
        eraseValue(keys, {root, key}, name);
        eraseValue(dwords, {root, key}, name);
        return {};
    }
    rt::Outcome<platform::KeyGone> deleteKey(platform::RegistryRoot root, const std::string& key) override {
        if (!writable) return rt::fail(kDenied);
        const bool had = keys.erase({root, key}) + dwords.erase({root, key}) > 0;
        return had ? platform::KeyGone::Deleted : platform::KeyGone::NotThere;
    }

private:
    static constexpr const char* kDenied = "Access is denied";

    template <class Value>
    static std::optional<Value> find(const std::map<Key, std::map<std::string, Value>>& map, const Key& key,
                                     const std::string& name) {
        const auto k = map.find(key);
        if (k == map.end()) return std::nullopt;
        const auto v = k->second.find(name);
        if (v == k->second.end()) return std::nullopt;
        return v->second;
    }
    // A key whose last value goes stays, as a real key does.
    template <class Value>
    static void eraseValue(std::map<Key, std::map<std::string, Value>>& map, const Key& key, const std::string& name) {
        if (const auto k = map.find(key); k != map.end()) k->second.erase(name);
    }
};

} // namespace fakes
