#pragma once
// Window procedures are called by the system; an exception must not unwind
// through its frames. Each procedure of the host answers its messages inside
// `guardedMessage`, which keeps the first exception until the message loop,
// back in our own code, throws it again.
#include <exception>
#include <utility>

namespace host {

void keepPendingException(std::exception_ptr e) noexcept;
bool hasPendingException() noexcept;
// Throws the kept exception, if any (and forgets it).
void rethrowPendingException();

// `answer` runs the program's part of one message and returns the result.
// Once a message has failed (or ended the program), no further message
// reaches the program until the loop has thrown the failure on: `passOn`,
// the system's own handling, answers instead. A failed message answers 0.
template <class Answer, class PassOn>
auto guardedMessage(Answer&& answer, PassOn&& passOn) noexcept -> decltype(answer()) {
    if (hasPendingException()) return std::forward<PassOn>(passOn)();
    try {
        return std::forward<Answer>(answer)();
    } catch (...) {
        keepPendingException(std::current_exception());
        return 0;
    }
}

} // namespace host
