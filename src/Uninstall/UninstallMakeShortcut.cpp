#include "Uninstall/UninstallMakeShortcut.h"

namespace uninstall {

std::string LocateShortcut(platform::Shortcuts& shortcuts, const std::string& specialFolder) {
    return shortcuts.specialFolder(specialFolder);
}

} // namespace uninstall
