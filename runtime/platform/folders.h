#pragma once
// Where the program lives and where the user's own roaming data goes.
// Paths are UTF-8 text with the platform's separator and no trailing one.
#include <string>

namespace platform {

class Folders {
public:
    virtual ~Folders() = default;
    // The folder that holds the running program.
    virtual std::string programFolder() = 0;
    // The running program's own file: the program folder and its file name.
    virtual std::string programFile() = 0;
    // The system's Windows folder; empty where there is none.
    virtual std::string windowsFolder() = 0;
    // The user's roaming application-data folder; empty when the system has none.
    virtual std::string userAppDataFolder() = 0;
    // The system's folder for installed programs ("C:\Program Files" on a
    // usual machine); empty when the system does not say.
    virtual std::string programFilesFolder() = 0;
    // The user's own folder for programs installed for them alone
    // ("%LOCALAPPDATA%\Programs"); empty when the system does not say.
    virtual std::string userProgramsFolder() = 0;
};

} // namespace platform
