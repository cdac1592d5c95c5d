// The user's decimal separator lives apart from the conversions: the host
// sets it in every program, and a program that converts no numbers would
// otherwise link the C library's number formatting and parsing for nothing.
#include "core/conversions.h"

namespace rt {

namespace {
char g_decimalSeparator = '.';
} // namespace

char userDecimalSeparator() noexcept { return g_decimalSeparator; }
void setUserDecimalSeparator(char separator) noexcept { g_decimalSeparator = separator; }

} // namespace rt
