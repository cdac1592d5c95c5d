#pragma once
// The one shape of an operation that can fail: its value, or why it failed,
// in the words a message ends with ("it is read-only", "Access is denied.").
// A caller that has to tell failures apart reads kind(): an enum of the
// operation's own (a name already taken, a missing file), when it has one.
//
//     rt::Outcome<std::string> read(...);             // a value or a reason
//     rt::Outcome<> remove(...);                      // done, or a reason
//     rt::Outcome<void, ArchiveError> extract(...);   // with a kind
//
//     if (!written) return written.failure();         // hands the reason on
//     return rt::fail("the disk is full");
#include <optional>
#include <string>
#include <utility>

namespace rt {

// For an operation whose failures are told apart by their words alone.
struct NoKind {
    bool operator==(const NoKind&) const = default;
};

template <class Kind = NoKind>
struct Failure {
    std::string reason;
    Kind kind{};
};

inline Failure<> fail(std::string reason) {
    return {std::move(reason), {}};
}

template <class Kind>
Failure<Kind> fail(Kind kind, std::string reason) {
    return {std::move(reason), kind};
}

template <class T = void, class Kind = NoKind>
class [[nodiscard]] Outcome {
public:
    Outcome(T value) : value_(std::move(value)) {}
    Outcome(Failure<Kind> failure) : failure_(std::move(failure)) {}

    explicit operator bool() const noexcept { return value_.has_value(); }
    bool ok() const noexcept { return value_.has_value(); }

    // The value; only when ok().
    T& value() & { return *value_; }
    const T& value() const& { return *value_; }
    T&& value() && { return std::move(*value_); }
    T& operator*() & { return *value_; }
    const T& operator*() const& { return *value_; }
    T&& operator*() && { return std::move(*value_); }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    T valueOr(T otherwise) const& { return value_ ? *value_ : std::move(otherwise); }

    // Why it failed; empty when it did not.
    const std::string& reason() const noexcept { return failure_.reason; }
    Kind kind() const noexcept { return failure_.kind; }
    const Failure<Kind>& failure() const noexcept { return failure_; }

private:
    std::optional<T> value_;
    Failure<Kind> failure_;
};

// An operation that gives nothing back but can fail. Made empty, it succeeded.
template <class Kind>
class [[nodiscard]] Outcome<void, Kind> {
public:
    Outcome() = default;
    Outcome(Failure<Kind> failure) : ok_(false), failure_(std::move(failure)) {}

    explicit operator bool() const noexcept { return ok_; }
    bool ok() const noexcept { return ok_; }

    const std::string& reason() const noexcept { return failure_.reason; }
    Kind kind() const noexcept { return failure_.kind; }
    const Failure<Kind>& failure() const noexcept { return failure_; }

private:
    bool ok_ = true;
    Failure<Kind> failure_;
};

} // namespace rt
