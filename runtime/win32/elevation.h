#pragma once
// Administrator rights, asked for only when a run needs them.
#include <optional>
#include <string>
#include <vector>

namespace host {

// True when the process runs with administrator rights (elevated).
bool runsElevated();

// Starts this program again with administrator rights (Windows asks the
// user) and the given arguments, and waits for it to end: its exit status,
// or nothing when it could not be started (the user said no). Nothing
// carries no reason: the caller's message says what to do either way.
std::optional<int> runElevatedAndWait(const std::vector<std::string>& args);

} // namespace host
