#pragma once
// Shell links: where the user's special folders are, and saving a link file.
// Paths are UTF-8.
#include "core/outcome.h"

#include <optional>
#include <string>

namespace platform {

struct Shortcut {
    std::string target;         // the program the link starts
    std::string workingFolder;  // empty: none
    int windowStyle = 0;        // the show command stored in the link
    std::string iconPath;       // the file holding the icon
    int iconIndex = 0;
};

class Shortcuts {
public:
    virtual ~Shortcuts() = default;
    // The path of a special folder by its shell name ("Desktop"), with no
    // trailing separator; empty when the system has no such folder.
    virtual std::string specialFolder(const std::string& name) = 0;
    // Writes the link file at `linkPath` (an existing one is replaced); fails
    // with the system's reason when it cannot be written.
    virtual rt::Outcome<> saveShortcut(const std::string& linkPath, const Shortcut& link) = 0;
    // The program an existing link file starts; nothing when the link cannot
    // be read.
    virtual std::optional<std::string> linkTarget(const std::string& /*linkPath*/) { return std::nullopt; }
};

} // namespace platform
