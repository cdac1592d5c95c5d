#pragma once
// Finding the product's desktop shortcut for deletion: the folder the
// shortcut maker saves links into.
#include "platform/shortcuts.h"

#include <string>

namespace uninstall {

// Takes the same arguments as the installer's AddShortcut and uses only the
// special folder's name: returns that folder's path (empty when the system has
// none). Nothing is written.
std::string LocateShortcut(platform::Shortcuts& shortcuts, const std::string& targetPath,
                           const std::string& specialFolder, const std::string& shortcutName,
                           const std::string& workingFolder, int windowStyle, int iconIndex);

} // namespace uninstall
