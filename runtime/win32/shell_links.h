#pragma once
// Shell links through the shell's own link object (IShellLinkW saved with
// IPersistFile), and special folders through the known-folder functions.
#include "platform/shortcuts.h"

namespace host {

class ShellLinks : public platform::Shortcuts {
public:
    // "Desktop" (the user's), "AllUsersDesktop", "Programs", "StartMenu".
    std::string specialFolder(const std::string& name) override;
    rt::Outcome<> saveShortcut(const std::string& linkPath, const platform::Shortcut& link) override;
    std::optional<std::string> linkTarget(const std::string& linkPath) override;
};

} // namespace host
