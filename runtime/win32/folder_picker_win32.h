#pragma once
// The system's folder picker: the common item dialog in its folder mode;
// where that dialog cannot be made, the shell's older folder browser.
#include "platform/folder_picker.h"

namespace host {

class SystemFolderPicker : public platform::FolderPicker {
public:
    std::optional<std::string> pickFolder(const platform::FolderRequest& request) override;
};

} // namespace host
