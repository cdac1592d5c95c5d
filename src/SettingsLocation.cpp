#include "SettingsLocation.h"

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
    if (files_.fileExists(beside)) return beside;
    const std::string fallback = inAppData();
    return fallback.empty() ? beside : fallback;
}

bool SettingsLocation::save(const std::function<bool(const std::string& path)>& write) const {
    if (write(besideProgram())) return true;
    const std::string folder = appDataFolder();
    if (folder.empty() || !files_.makeFolder(folder)) return false;
    return write(inAppData());
}

} // namespace lumetra
