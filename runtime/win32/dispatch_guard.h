#pragma once
// Window procedures are called by the system; an exception must not unwind
// through its frames. Handlers run inside `guarded`, which keeps the first
// exception until the message loop, back in our own code, throws it again.
#include <exception>
#include <utility>

namespace host {

void keepPendingException(std::exception_ptr e) noexcept;
bool hasPendingException() noexcept;
// Throws the kept exception, if any (and forgets it).
void rethrowPendingException();

// Once a handler has failed (or ended the program), no further handler runs
// until the loop has thrown the failure on.
template <class Body>
void guarded(Body&& body) noexcept {
    if (hasPendingException()) return;
    try {
        std::forward<Body>(body)();
    } catch (...) {
        keepPendingException(std::current_exception());
    }
}

} // namespace host
