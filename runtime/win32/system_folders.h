#pragma once
// The real program and application-data folders.
#include "platform/folders.h"

namespace host {

class SystemFolders : public platform::Folders {
public:
    std::string programFolder() override;
    std::string programFile() override;
    std::string windowsFolder() override;
    std::string userAppDataFolder() override;
    std::string programFilesFolder() override;
};

} // namespace host
