#include "platform/files.h"

namespace platform {

std::string temporaryPathFor(const std::string& path) {
    return path + ".tmp";
}

bool writeFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes) {
    const std::string temporary = temporaryPathFor(path);
    if (files.writeFile(temporary, bytes) && files.replaceFile(temporary, path)) return true;
    files.removeFile(temporary);
    return false;
}

} // namespace platform
