#pragma once
// How much room the package's files take once installed, and amounts of
// disk space written for people ("1.1 MB").
#include "platform/files.h"

#include <cstdint>
#include <optional>
#include <string>

namespace setup {

// The bytes of every entry the installation writes: of two entries with one
// name (ASCII case ignored) only the first, as the extraction writes only
// it. Nothing when the package cannot be read to its end: then there is no
// amount to tell, and the package check says what is wrong.
std::optional<std::int64_t> packageSpaceNeeded(platform::FileSystem& files, const std::string& packagePath);

// "512 bytes", "1.1 MB", "23.4 GB", "150 MB": units of 1024, one decimal
// below 100. A space needed is rounded up and a space free rounded down, so
// that a drive that is short never reads as having what is needed.
enum class Rounding { Up, Down };
std::string describeBytes(std::uint64_t bytes, Rounding rounding);

} // namespace setup
