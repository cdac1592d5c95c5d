#pragma once
// What saving a session says, in the window's two languages: the system
// menu's item, the Save dialog's title, file type and "Length" list, the
// progress window and the message of a failed write.
#include <string>

namespace lumetra {

struct SaveWavTexts {
    const char* menuItem;     // the system menu's item (Ctrl+S does the same)
    const char* title;        // the Save dialog's and the progress window's title
    const char* typeName;     // the dialog's file type
    const char* lengthLabel;  // the drop-down of lengths, with its access key
    const char* writing;      // the progress window's line, before the file's name
    const char* cancel;
    const char* cannotWrite;  // a failed write, before the file's path
    std::string (*minutes)(int n);
};

// The language box's language: English for its item 0, Romanian otherwise,
// as the window itself speaks Romanian until an item is chosen.
const SaveWavTexts& saveWavTextsFor(int languageIndex);

// A failed write: the file's path and the system's reason.
std::string cannotWriteMessage(const SaveWavTexts& texts, const std::string& path, const std::string& reason);

} // namespace lumetra
