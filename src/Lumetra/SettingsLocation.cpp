#include "Lumetra/SettingsLocation.h"

#include "platform/paths.h"

namespace lumetra {

SettingsLocation::SettingsLocation(platform::Folders& folders, platform::FileSystem& files)
    : files_(files), programFolder_(folders.programFolder()), userAppData_(folders.userAppDataFolder()) {}

std::string SettingsLocation::besideProgram() const {
    return platform::joinPath(programFolder_, kFileName);
}

std::string SettingsLocation::appDataFolder() const {
    if (userAppData_.empty()) return {};
    return platform::joinPath(userAppData_, kAppDataFolderName);
}

std::string SettingsLocation::inAppData() const {
    const std::string folder = appDataFolder();
    return folder.empty() ? std::string() : platform::joinPath(folder, kFileName);
}

std::string SettingsLocation::fileToLoad() const {
    const std::string beside = besideProgram();
    const std::string fallback = inAppData();
    if (fallback.empty()) return beside;
    const auto besideWritten = files_.lastWriteTime(beside);
    const auto fallbackWritten = files_.lastWriteTime(fallback);
    if (!fallbackWritten) return besideWritten ? beside : fallback;
    if (!besideWritten) return fallback;
    // A save that could not write beside the program went to the user's copy:
    // the newer file holds the user's last choices. A tie stays beside.
    return *fallbackWritten > *besideWritten ? fallback : beside;
}

bool SettingsLocation::save(const std::function<bool(const std::string& path)>& write) const {
    if (write(besideProgram())) return true;
    const std::string folder = appDataFolder();
    if (folder.empty() || !files_.makeFolder(folder)) return false;
    return write(inAppData());
}

} // namespace lumetra
