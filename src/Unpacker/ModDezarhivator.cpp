#include "Unpacker/ModDezarhivator.h"

#include "platform/paths.h"

namespace setup {

std::string FileNameOf(const std::string& path) {
    const std::size_t start = platform::fileNameStart(path);
    return start == 0 ? std::string() : path.substr(start);
}

std::string FolderOf(const std::string& path) { return path.substr(0, platform::fileNameStart(path)); }

} // namespace setup
