#pragma once
// The system's folder picker: the user chooses an existing folder. Paths are
// UTF-8 with the platform's separator.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct FolderRequest {
    std::uintptr_t owner = 0;  // the window the picker is modal to (0: none)
    std::string title;
    std::string start;         // the folder it opens in; empty: the system's choice
};

class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    // Waits for the user; nothing when the picker was cancelled.
    virtual std::optional<std::string> pickFolder(const FolderRequest& request) = 0;
};

} // namespace platform
