#include "Setup/SetupMakeShortcut.h"

#include "platform/paths.h"

namespace setup {

bool AddShortcut(platform::Shortcuts& shortcuts, const std::string& target, const std::string& specialFolder,
                 const std::string& shortcutName, const std::string& workingFolder, short windowStyle,
                 short iconIndex) {
    const std::string folder = shortcuts.specialFolder(specialFolder);
    if (folder.empty()) return false;  // no such folder: the link would land in the current folder
    platform::Shortcut link;
    link.target = target;
    link.workingFolder = workingFolder;
    link.windowStyle = windowStyle;
    link.iconPath = target;
    link.iconIndex = iconIndex;
    return shortcuts.saveShortcut(platform::joinPath(folder, shortcutName + ".lnk"), link);
}

} // namespace setup
