#pragma once
// Removing a program's own file, and the folders it lay in, after the
// program has ended: a running program cannot delete itself.
#include "core/outcome.h"

#include <string>
#include <vector>

namespace platform {

class SelfRemoval {
public:
    virtual ~SelfRemoval() = default;
    // Arranges that, once this process has ended, `programFile` is deleted and
    // then each of `folders` in turn (innermost first) is removed while it is
    // empty, leaving nothing behind for the work. Fails with the reason when
    // that could not be arranged (nothing is removed then).
    virtual rt::Outcome<> removeAfterExit(const std::string& programFile, const std::vector<std::string>& folders) = 0;
};

} // namespace platform
