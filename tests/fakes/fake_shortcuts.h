#pragma once
// Shell links for tests: special folders from a map, saved links recorded by
// path.
#include "platform/shortcuts.h"

#include <map>
#include <string>

namespace fakes {

class FakeShortcuts : public platform::Shortcuts {
public:
    std::map<std::string, std::string> folders{{"Desktop", "C:\\Users\\user\\Desktop"}};
    std::map<std::string, platform::Shortcut> saved;
    bool canSave = true;

    std::string specialFolder(const std::string& name) override {
        const auto f = folders.find(name);
        return f == folders.end() ? std::string() : f->second;
    }
    rt::Outcome<> saveShortcut(const std::string& linkPath, const platform::Shortcut& link) override {
        if (!canSave) return rt::fail("Access is denied");
        saved[linkPath] = link;
        return {};
    }
};

} // namespace fakes
