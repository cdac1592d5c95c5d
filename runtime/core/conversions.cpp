#include "core/conversions.h"

#include "core/errors.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

namespace rt {

namespace {
bool isSpace(char c) { return c == ' ' || c == '\t'; }

template <class Int>
Int toIntegral(double value) {
    if (std::isnan(value)) raise(Overflow);
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        raise(Overflow);
    return static_cast<Int>(rounded);
}
} // namespace

double roundHalfEven(double value) noexcept {
    if (!std::isfinite(value)) return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int16_t toInt16(double value) { return toIntegral<std::int16_t>(value); }
std::int32_t toInt32(double value) { return toIntegral<std::int32_t>(value); }
std::uint8_t toByte(double value) { return toIntegral<std::uint8_t>(value); }

double toNumber(std::string_view text, char decimalSeparator) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isSpace(text[begin])) ++begin;
    while (end > begin && isSpace(text[end - 1])) --end;
    const std::string_view body = text.substr(begin, end - begin);

    // Rebuild the number in the C locale's form, checking its shape as we go.
    std::string canonical;
    std::size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) canonical += body[i++];
    std::size_t digits = 0;
    while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i]))) {
        canonical += body[i++];
        ++digits;
    }
    if (i < body.size() && body[i] == decimalSeparator) {
        canonical += '.';
        ++i;
        while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i]))) {
            canonical += body[i++];
            ++digits;
        }
    }
    if (digits == 0) raise(TypeMismatch, "not a number: '" + std::string(text) + "'");
    if (i < body.size() && (body[i] == 'E' || body[i] == 'e')) {
        canonical += 'e';
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) canonical += body[i++];
        std::size_t expDigits = 0;
        while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i]))) {
            canonical += body[i++];
            ++expDigits;
        }
        if (expDigits == 0) raise(TypeMismatch, "not a number: '" + std::string(text) + "'");
    }
    if (i != body.size()) raise(TypeMismatch, "not a number: '" + std::string(text) + "'");
    const double value = std::strtod(canonical.c_str(), nullptr);
    if (!std::isfinite(value)) raise(Overflow);
    return value;
}

double toNumber(std::string_view text) { return toNumber(text, userDecimalSeparator()); }

std::int16_t toInt16(std::string_view text, char sep) { return toInt16(toNumber(text, sep)); }
std::int16_t toInt16(std::string_view text) { return toInt16(toNumber(text)); }
std::int32_t toInt32(std::string_view text, char sep) { return toInt32(toNumber(text, sep)); }
std::int32_t toInt32(std::string_view text) { return toInt32(toNumber(text)); }

float toSingle(std::string_view text, char sep) {
    const double value = toNumber(text, sep);
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) raise(Overflow);
    return static_cast<float>(value);
}
float toSingle(std::string_view text) { return toSingle(text, userDecimalSeparator()); }

std::string toText(long long value) { return std::to_string(value); }

std::string singleToText(float value, char decimalSeparator) {
    if (value == 0.0f) return "0";  // also turns -0 into "0"
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    std::string text = buffer;
    // Drop trailing zeros of the mantissa (and a bare point), keeping any exponent.
    const std::size_t exp = text.find('E');
    std::string mantissa = text.substr(0, exp);
    const std::string exponent = exp == std::string::npos ? "" : text.substr(exp);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    for (char& c : mantissa)
        if (c == '.') c = decimalSeparator;
    return mantissa + exponent;
}

std::string singleToText(float value) { return singleToText(value, userDecimalSeparator()); }

} // namespace rt
