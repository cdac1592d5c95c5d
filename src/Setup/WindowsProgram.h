#pragma once
// Whether a file's bytes are a Windows program: not empty, "MZ" at the start,
// and the PE signature ("PE" and two zero bytes) where the MZ header's
// e_lfanew field (the 32-bit little-endian number at byte 0x3C) says. That is
// what Windows looks at before it will start a program.
#include "core/outcome.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace setup {

// Reads up to n bytes at a 0-based offset; fewer where the file ends.
using ReadAt = std::function<std::size_t(std::int64_t offset, void* buffer, std::size_t n)>;

// Whether a file of `size` bytes is a Windows program, or why not, in words
// that follow "it is not a Windows program: ".
rt::Outcome<> checkWindowsProgram(std::int64_t size, const ReadAt& read);

} // namespace setup
