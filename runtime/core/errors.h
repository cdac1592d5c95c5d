#pragma once
// Run-time errors: one exception type carrying the error number, and the two
// error policies the programs use ("resume next" and "leave at the first error").
#include <exception>
#include <string>

namespace rt {

enum ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    PathFileAccessError = 75,
    PathNotFound = 76,
    ObjectNotSet = 91,
    InvalidPropertyValue = 380,
};

// A std::exception of its own rather than a std::runtime_error: the library's
// runtime_error keeps its text in the old copy-on-write string, whose code
// (some 30 KB) would otherwise be linked into every program for this alone.
class Error : public std::exception {
public:
    explicit Error(int number, const std::string& detail = {});
    const char* what() const noexcept override { return what_.c_str(); }
    int number() const noexcept { return number_; }
    // What the user is told: the runtime's own text for a known number, else
    // the detail the error was raised with.
    std::string description() const;

private:
    std::string what_;
    int number_;
    std::string detail_;
};

// The message shown when an error escapes a handler that has no handling of
// its own: "Run-time error 'N':", a blank line, then the description.
std::string unhandledErrorMessage(const Error& error);

[[noreturn]] void raise(int number, const std::string& detail = {});

// "Resume next": each step that raises an rt::Error is skipped and the next
// one runs. Only rt::Error is swallowed; anything else is a bug and escapes.
//     ResumeNext steps;
//     steps([&] { ... });
//     steps([&] { ... });
class ResumeNext {
public:
    template <class Step>
    void operator()(Step&& step) {
        try {
            step();
        } catch (const Error&) {
        }
    }
};

// "Leave at the first error": runs the body; the first rt::Error ends it.
// Returns the error number, or 0 when the body ran to its end.
template <class Body>
int leaveAtFirstError(Body&& body) {
    try {
        body();
        return 0;
    } catch (const Error& e) {
        return e.number();
    }
}

} // namespace rt
