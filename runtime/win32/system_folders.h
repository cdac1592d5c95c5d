#pragma once
// The real program and application-data folders.
#include "platform/folders.h"

#include <windows.h>
#include <shtypes.h>

namespace host {

// A known folder's path; empty when the system has none.
std::string knownFolderPath(REFKNOWNFOLDERID id);

class SystemFolders : public platform::Folders {
public:
    std::string programFolder() override;
    std::string programFile() override;
    std::string windowsFolder() override;
    std::string userAppDataFolder() override;
    std::string programFilesFolder() override;
    std::string userProgramsFolder() override;
};

} // namespace host
