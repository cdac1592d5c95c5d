#pragma once
// The system's Save dialog: the common item dialog with the program's drop-down
// added beneath the name (IFileDialogCustomize); where that dialog cannot be
// made, the classic one without the drop-down, which leaves its first choice.
#include "platform/save_dialog.h"

namespace host {

class SystemSaveDialog : public platform::SaveDialog {
public:
    std::optional<platform::SaveAnswer> ask(const platform::SaveRequest& request) override;
};

} // namespace host
