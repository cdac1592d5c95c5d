#pragma once
// Folders for tests: the program folder is whatever the test says.
#include "platform/folders.h"
#include "platform/paths.h"

#include <string>
#include <utility>

namespace fakes {

class FixedFolders : public platform::Folders {
public:
    explicit FixedFolders(std::string programFolder, std::string appData = {})
        : program_(std::move(programFolder)), appData_(std::move(appData)) {}
    std::string programFolder() override { return program_; }
    std::string programFile() override { return platform::joinPath(program_, programFileName); }
    std::string windowsFolder() override { return windows; }
    std::string userAppDataFolder() override { return appData_; }
    std::string programFilesFolder() override { return programFiles_; }
    std::string userProgramsFolder() override { return "C:\\Users\\Someone\\AppData\\Local\\Programs"; }
    void setProgramFilesFolder(std::string folder) { programFiles_ = std::move(folder); }
    std::string programFileName = "Uninstall.exe";
    std::string windows = "C:\\Windows";
    void setProgramFolder(std::string folder) { program_ = std::move(folder); }

private:
    std::string program_;
    std::string appData_;
    std::string programFiles_ = "C:\\Program Files";
};

} // namespace fakes
