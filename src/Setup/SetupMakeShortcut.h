#pragma once
// The product's shortcut in a special folder of the user (the desktop).
#include "platform/shortcuts.h"

#include <string>

namespace setup {

// Saves the link `folder` & "\" & `shortcutName` & ".lnk" in the special
// folder, pointing at `target` with the given working folder and window
// style, its icon the target's icon number `iconIndex`. An existing link of
// that name is replaced. Fails with the reason when the link is not saved.
rt::Outcome<> AddShortcut(platform::Shortcuts& shortcuts, const std::string& target, const std::string& specialFolder,
                          const std::string& shortcutName, const std::string& workingFolder, short windowStyle,
                          short iconIndex);

} // namespace setup
