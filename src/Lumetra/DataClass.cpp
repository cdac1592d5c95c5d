#include "Lumetra/DataClass.h"

namespace lumetra {

std::vector<std::string> splitSettingsLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
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

} // namespace lumetra
