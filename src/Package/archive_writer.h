#pragma once
// Appends one file to an archive as an entry: name, 0x00, decimal size,
// 0x00, data. The name is stored as given (only a 0x00 inside it, or more
// than 255 bytes, which no reader could find the end of, are refused). A
// failed append takes back what it wrote, so the archive is never left with
// a half entry, and an archive it made is removed again.
#include "Package/archive_result.h"
#include "platform/files.h"

#include <string>

namespace package {

ArchiveOutcome<> appendEntry(platform::FileSystem& files, const std::string& archivePath, const std::string& sourcePath,
                             const std::string& name);

} // namespace package
