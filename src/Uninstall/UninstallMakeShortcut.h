#pragma once
// Finding the product's desktop shortcut for deletion: the folder the
// shortcut maker saves links into.
#include "platform/shortcuts.h"

#include <string>

namespace uninstall {

// The path of the special folder ("Desktop") that the installer's
// AddShortcut saves the link into; empty when the system has none. Nothing
// is written.
std::string LocateShortcut(platform::Shortcuts& shortcuts, const std::string& specialFolder);

} // namespace uninstall
