#include "platform/reserved_names.h"

#include <array>

namespace platform {

namespace {

bool sameAsciiUpper(std::string_view text, std::string_view upper) noexcept {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
        if (c != upper[i]) return false;
    }
    return true;
}

constexpr std::array<std::string_view, 4> kPlainDevices{"CON", "PRN", "AUX", "NUL"};
constexpr std::array<std::string_view, 2> kNumberedDevices{"COM", "LPT"};
// What may follow COM and LPT: a digit, or the superscripts 1, 2 and 3 in UTF-8.
constexpr std::array<std::string_view, 13> kDeviceNumbers{"0", "1", "2", "3", "4", "5", "6",
                                                          "7", "8", "9", "\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};

} // namespace

bool isReservedDeviceName(std::string_view name) noexcept {
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    for (std::string_view device : kPlainDevices)
        if (sameAsciiUpper(base, device)) return true;
    if (base.size() < 4) return false;
    for (std::string_view device : kNumberedDevices) {
        if (!sameAsciiUpper(base.substr(0, 3), device)) continue;
        for (std::string_view number : kDeviceNumbers)
            if (base.substr(3) == number) return true;
    }
    return false;
}

} // namespace platform
