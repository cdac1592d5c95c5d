#pragma once
// What Setup is known at its start to read and write, for the check of /LOG:
// itself, the package beside it, and the installation's files in every
// folder it may install into without asking (the /DIR folder, the one the
// uninstall entry names, the proposed one under Program Files).
#include "Wizard/LogTarget.h"
#include "Wizard/Switches.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/registry.h"

#include <string>

namespace setup {

wizard::RunFiles setupRunFiles(platform::Folders& folders, platform::FileSystem& files, platform::Registry& registry,
                               const std::string& productName, const wizard::Switches& switches);

} // namespace setup
