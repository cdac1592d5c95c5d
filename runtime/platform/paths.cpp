#include "platform/paths.h"

namespace platform {

namespace {
bool isSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}
} // namespace

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !isSeparator(path.back())) path += kPathSeparator;
    path += name;
    return path;
}

std::string parentFolder(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1])) return std::string(path.substr(0, i - 1));
    }
    return {};
}

std::string leafName(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1])) return std::string(path.substr(i));
    }
    return std::string(path);
}

} // namespace platform
