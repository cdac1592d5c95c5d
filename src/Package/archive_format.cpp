#include "Package/archive_format.h"

namespace package {

std::string formatSize(std::int64_t size) { return std::to_string(size); }

std::optional<std::int64_t> parseSize(std::string_view field) {
    if (field.empty() || field.size() > kMaxSizeDigits) return std::nullopt;
    std::int64_t value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > kMaxArchiveLength) return std::nullopt;
    return value;
}

} // namespace package
