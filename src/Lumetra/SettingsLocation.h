#pragma once
// Where settings.ini lives. Beside the program comes first; when that folder
// cannot be written (a standard user under Program Files), or the file there
// is read-only, the file goes to
// "<application data>\Corvane Lumetra\settings.ini" instead, so closing the
// window never loses the settings.
#include "Product.h"
#include "platform/files.h"
#include "platform/folders.h"

#include <functional>
#include <string>

namespace lumetra {

class SettingsLocation {
public:
    static constexpr const char* kFileName = product::kSettingsFile;
    static constexpr const char* kAppDataFolderName = product::kName;

    SettingsLocation(platform::Folders& folders, platform::FileSystem& files);

    // settings.ini beside the program.
    std::string besideProgram() const;
    // The user's own copy; empty when the system has no application-data folder.
    std::string inAppData() const;

    // The file to load: whichever of the two was written last, since a file
    // left beside the program in a folder that later refused a save is stale;
    // beside the program when only it exists or both are as old.
    std::string fileToLoad() const;

    // Saves with `write` (which returns whether the file was written): beside
    // the program first; when that fails, into the application-data folder,
    // made when missing. True when either place now holds the settings.
    bool save(const std::function<bool(const std::string& path)>& write) const;

private:
    std::string appDataFolder() const;

    platform::FileSystem& files_;
    std::string programFolder_;
    std::string userAppData_;
};

} // namespace lumetra
