#include "Uninstall/MakeShortcut.h"

namespace uninstall {

std::string LocateShortcut(platform::Shortcuts& shortcuts, const std::string& /*targetPath*/,
                           const std::string& specialFolder, const std::string& /*shortcutName*/,
                           const std::string& /*workingFolder*/, int /*windowStyle*/, int /*iconIndex*/) {
    return shortcuts.specialFolder(specialFolder);
}

} // namespace uninstall
