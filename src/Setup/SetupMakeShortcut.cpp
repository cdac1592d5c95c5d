#include "Setup/SetupMakeShortcut.h"

#include "platform/paths.h"

namespace setup {

rt::Outcome<> AddShortcut(platform::Shortcuts& shortcuts, const std::string& target, const std::string& specialFolder,
                          const std::string& shortcutName, const std::string& workingFolder, short windowStyle,
                          short iconIndex) {
    // Without the folder the link would land in the current folder.
    const std::string folder = shortcuts.specialFolder(specialFolder);
    if (folder.empty()) return rt::fail("the system has no " + specialFolder + " folder");
    platform::Shortcut link;
    link.target = target;
    link.workingFolder = workingFolder;
    link.windowStyle = windowStyle;
    link.iconPath = target;
    link.iconIndex = iconIndex;
    return shortcuts.saveShortcut(platform::joinPath(folder, shortcutName + ".lnk"), link);
}

} // namespace setup
