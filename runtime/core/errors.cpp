#include "core/errors.h"

namespace rt {

namespace {
std::string describe(int number, const std::string& detail) {
    std::string text = "run-time error " + std::to_string(number);
    if (!detail.empty()) text += ": " + detail;
    return text;
}
} // namespace

Error::Error(int number, const std::string& detail)
    : std::runtime_error(describe(number, detail)), number_(number) {}

void raise(int number, const std::string& detail) { throw Error(number, detail); }

} // namespace rt
