#pragma once
// Room on the drive that will hold a folder, which need not exist yet.
#include "platform/files.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The folder itself when it exists, else its nearest ancestor that does, in
// normal form; nothing for a path that is not full or whose root is missing
// (a drive that is not there): an answer, not a failure.
std::optional<std::string> nearestExistingFolder(FileSystem& files, std::string_view path);

// Bytes this user may still write on the drive that holds `path` or, when it
// does not exist yet, its nearest existing ancestor; fails when there is no
// such folder or the system cannot tell.
rt::Outcome<std::uint64_t> freeSpaceFor(FileSystem& files, std::string_view path);

} // namespace platform
