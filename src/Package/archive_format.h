#pragma once
// The package archive's layout: entries one after another, no header.
//   name bytes, 0x00, size in decimal ASCII digits, 0x00, data bytes
// Readers look for each field's terminator within a fixed 256-byte window,
// so a name is at most 255 bytes; positions are signed 32-bit, so nothing
// in an archive lies beyond byte 2,147,483,647.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace package {

inline constexpr std::size_t kHeaderWindow = 256;
inline constexpr std::size_t kMaxNameBytes = kHeaderWindow - 1;
inline constexpr std::size_t kCopyChunk = 1'000'000;
inline constexpr std::int64_t kMaxArchiveLength = 2'147'483'647;
inline constexpr std::size_t kMaxSizeDigits = 10;

// The size field's text: plain decimal, "0" for an empty entry.
std::string formatSize(std::int64_t size);
// Reads a size field: 1 to 10 decimal digits and nothing else, at most
// 2,147,483,647. Anything else (a sign, spaces, a fraction) is damage.
std::optional<std::int64_t> parseSize(std::string_view field);

} // namespace package
