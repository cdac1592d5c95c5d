#pragma once
// The system's Save dialog: the user picks where a new file goes, with one
// file type and, optionally, one drop-down list of the program's own beneath
// the name (a length, a quality). Texts and paths are UTF-8.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct SaveRequest {
    std::uintptr_t owner = 0;  // the window the dialog is modal to (0: none)
    std::string title;
    std::string typeName;      // the filter's name, e.g. "WAV audio (*.wav)"
    std::string extension;     // without the dot; added to a name typed without it
    std::string proposedName;  // the file name the dialog opens with
    std::string choiceLabel;   // the drop-down's label; empty: no drop-down
    std::vector<std::string> choices;
    int chosen = 0;            // the item shown at first
    // A proposed name for each choice (optional): while the name box still
    // holds the proposal, picking another choice proposes that choice's name.
    std::vector<std::string> choiceNames;
};

struct SaveAnswer {
    std::string path;  // full path of the file to write
    int chosen = 0;    // the drop-down's item as the user left it
};

class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // Waits for the user; nothing when the dialog was cancelled. Replacing an
    // existing file has been confirmed by the user when a path comes back.
    virtual std::optional<SaveAnswer> ask(const SaveRequest& request) = 0;
};

} // namespace platform
