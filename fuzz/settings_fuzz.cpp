// The settings loader on arbitrary file contents: every line end is counted
// once, no line keeps a line-end byte or a trailing space, loading stops
// after the lines start-up uses and reads no more than its byte bound, and
// what was loaded saves and loads back unchanged.
#include "Lumetra/DataClass.h"
#include "line_list.h"
#include "memory_files.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Lines = LineList;

// Lines the text holds, counted apart from the loader: CR LF is one end.
std::size_t countLines(std::string_view text) {
    std::size_t lines = 0;
    bool open = false;  // text since the last line end
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            ++lines;
            open = false;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            open = true;
        }
    }
    return lines + (open ? 1 : 0);
}

void check(bool ok) {
    if (!ok) __builtin_trap();
}

// Loads `text` as settings.ini, checks what was loaded, saves it and loads
// it back.
void loadAndCheck(std::string_view text) {
    const std::string path = "/program/settings.ini";
    fakes::MemoryFiles files;
    files.folders = {"/program"};
    files.files[path] = std::string(text);
    lumetra::DataClass settings(files);

    Lines loaded;
    settings.IncarcaData(path, loaded);
    check(files.bytesRead <= lumetra::kSettingsBytesRead);
    // Past the bound, only the lines that end within it count.
    std::string_view readable = text.substr(0, lumetra::kSettingsBytesRead);
    if (text.size() > readable.size()) readable = readable.substr(0, readable.find_last_of("\r\n") + 1);
    check(loaded.lines.size() == std::min(countLines(readable), lumetra::kSettingsLinesRead));
    for (const std::string& line : loaded.lines) {
        check(line.find_first_of("\r\n") == std::string::npos);
        check(line.empty() || line.back() != ' ');
    }

    check(settings.SalveazaData(path, loaded));
    Lines again;
    settings.IncarcaData(path, again);
    check(again.lines == loaded.lines);
}

} // namespace

// Each input as it is, and repeated past the byte bound (inputs are kept
// small), so that the cut at the bound meets every kind of content.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    loadAndCheck(text);
    if (text.empty()) return 0;
    std::string longText;
    while (longText.size() <= lumetra::kSettingsBytesRead) longText += text;
    loadAndCheck(longText);
    return 0;
}
