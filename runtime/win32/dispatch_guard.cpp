#include "win32/dispatch_guard.h"

namespace host {

namespace {
std::exception_ptr g_pending;
}

void keepPendingException(std::exception_ptr e) noexcept {
    if (!g_pending) g_pending = std::move(e);
}

bool hasPendingException() noexcept { return static_cast<bool>(g_pending); }

void rethrowPendingException() {
    if (g_pending) std::rethrow_exception(std::exchange(g_pending, nullptr));
}

} // namespace host
