#include "Setup/WindowsProgram.h"

#include <array>
#include <cstring>

namespace setup {

namespace {

constexpr std::int64_t kMzHeaderSize = 0x40;
constexpr std::int64_t kNewHeaderOffsetField = 0x3C;
constexpr char kPeSignature[4] = {'P', 'E', '\0', '\0'};

} // namespace

rt::Outcome<> checkWindowsProgram(std::int64_t size, const ReadAt& read) {
    if (size <= 0) return rt::fail("it is empty");
    std::array<unsigned char, kMzHeaderSize> mz{};
    const std::size_t got = read(0, mz.data(), mz.size());
    if (got < 2 || mz[0] != 'M' || mz[1] != 'Z') return rt::fail("it does not start with MZ");
    if (size < kMzHeaderSize || got < mz.size()) return rt::fail("it is too short for an MZ header");
    const std::int64_t peOffset = std::int64_t{mz[kNewHeaderOffsetField]} | std::int64_t{mz[kNewHeaderOffsetField + 1]} << 8 |
                                  std::int64_t{mz[kNewHeaderOffsetField + 2]} << 16 |
                                  std::int64_t{mz[kNewHeaderOffsetField + 3]} << 24;
    char signature[sizeof kPeSignature] = {};
    if (peOffset + static_cast<std::int64_t>(sizeof signature) > size ||
        read(peOffset, signature, sizeof signature) != sizeof signature)
        return rt::fail("its MZ header points past its end");
    if (std::memcmp(signature, kPeSignature, sizeof signature) != 0)
        return rt::fail("there is no PE header where its MZ header says");
    return {};
}

} // namespace setup
