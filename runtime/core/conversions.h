#pragma once
// Number <-> text conversions used throughout the programs.
// Fractions become integers by rounding half to even; a value out of the
// target's range raises Overflow; text that is not a number raises TypeMismatch.
#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

// The user's decimal separator. '.' until the host reads the locale.
char userDecimalSeparator() noexcept;
void setUserDecimalSeparator(char separator) noexcept;

// Half-to-even rounding of a double to a whole double (no range check).
double roundHalfEven(double value) noexcept;

std::int16_t toInt16(double value);
std::int32_t toInt32(double value);
std::uint8_t toByte(double value);

// Text to number: surrounding spaces are accepted; the fraction uses the given
// decimal separator; an optional sign and exponent ("1.5E3") are accepted.
double toNumber(std::string_view text, char decimalSeparator);
double toNumber(std::string_view text);  // with userDecimalSeparator()

std::int16_t toInt16(std::string_view text, char decimalSeparator);
std::int16_t toInt16(std::string_view text);
std::int32_t toInt32(std::string_view text, char decimalSeparator);
std::int32_t toInt32(std::string_view text);
float toSingle(std::string_view text, char decimalSeparator);
float toSingle(std::string_view text);

// Whole numbers in plain decimal with a leading minus: "-2800", "0", "13397".
std::string toText(long long value);
// Single precision with up to seven significant digits and no trailing zeros:
// "1830", "1245.5", "-0.25"; the fraction uses the given separator.
std::string singleToText(float value, char decimalSeparator);
std::string singleToText(float value);  // with userDecimalSeparator()

} // namespace rt
