#pragma once
// What an uninstall run could not remove, and why. The completion window's
// advice follows the cause: a running program is to be closed, a read-only
// file is named as read-only, anything else gets the system's own reason.
// Advice that does not fit ("close the program" when it is not running)
// sends the user into a second run that fails the same way.
#include <string>
#include <vector>

namespace uninstall {

struct Leftover {
    enum class Cause { Running, ReadOnly, Other };
    std::string name;  // a file name, a path, or the entry in words
    Cause cause = Cause::Other;
    std::string reason;  // the system's words, for Other
};

// The completion window's text: one sentence per cause, at most a few
// names each, the rest counted.
std::string describeLeftovers(const std::vector<Leftover>& leftovers, const std::string& productName);

} // namespace uninstall
