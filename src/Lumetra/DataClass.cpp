#include "Lumetra/DataClass.h"

namespace lumetra {

std::vector<std::string> splitSettingsLines(std::string_view text, std::size_t mostLines) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size() && lines.size() < mostLines) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
        lines.emplace_back(line);
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        else if (pos < text.size()) {  // a bare LF
            ++pos;
            continue;
        }
        if (pos < text.size() && text[pos] == '\n') ++pos;  // CR LF is one line end
    }
    return lines;
}

std::optional<std::string> readSettingsText(platform::FileSystem& files, const std::string& path) {
    platform::OpenedFile opened = files.openFile(path, platform::OpenMode::Read);
    if (!opened) return std::nullopt;
    platform::File& file = **opened;
    const std::int64_t size = file.size();
    if (size < 0) return std::nullopt;
    const bool cut = size > static_cast<std::int64_t>(kSettingsBytesRead);
    std::string text(cut ? kSettingsBytesRead : static_cast<std::size_t>(size), '\0');
    if (file.readAt(0, text.data(), text.size()) != text.size()) return std::nullopt;
    if (cut) {
        const std::size_t lastEnd = text.find_last_of("\r\n");
        text.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
    }
    return text;
}

} // namespace lumetra
