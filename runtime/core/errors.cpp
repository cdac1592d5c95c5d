#include "core/errors.h"

namespace rt {

namespace {
std::string describe(int number, const std::string& detail) {
    std::string text = "run-time error " + std::to_string(number);
    if (!detail.empty()) text += ": " + detail;
    return text;
}
struct KnownError {
    int number;
    const char* text;
};

constexpr KnownError kKnownErrors[] = {
    {InvalidProcedureCall, "Invalid procedure call or argument"},
    {Overflow, "Overflow"},
    {7, "Out of memory"},
    {SubscriptOutOfRange, "Subscript out of range"},
    {DivisionByZero, "Division by zero"},
    {TypeMismatch, "Type mismatch"},
    {51, "Internal error"},
    {BadFileNameOrNumber, "Bad file name or number"},
    {FileNotFound, "File not found"},
    {54, "Bad file mode"},
    {55, "File already open"},
    {57, "Device I/O error"},
    {58, "File already exists"},
    {61, "Disk full"},
    {62, "Input past end of file"},
    {67, "Too many files"},
    {70, "Permission denied"},
    {71, "Disk not ready"},
    {PathFileAccessError, "Path/File access error"},
    {PathNotFound, "Path not found"},
    {ObjectNotSet, "Object variable or With block variable not set"},
    {InvalidPropertyValue, "Invalid property value"},
    {381, "Invalid property array index"},
};

} // namespace

Error::Error(int number, const std::string& detail)
    : what_(describe(number, detail)), number_(number), detail_(detail) {}

std::string Error::description() const {
    for (const KnownError& known : kKnownErrors)
        if (known.number == number_) return known.text;
    return detail_.empty() ? "Application-defined or object-defined error" : detail_;
}

std::string unhandledErrorMessage(const Error& error) {
    return "Run-time error '" + std::to_string(error.number()) + "':\n\n" + error.description();
}

void raise(int number, const std::string& detail) { throw Error(number, detail); }

} // namespace rt
