#pragma once
// The program's command line and where its complaints go.
#include <string>
#include <vector>

namespace host {

// The arguments after the program's own name, as UTF-8, split and unquoted
// as Windows programs split them.
std::vector<std::string> commandLineArguments();

// Writes a message and a line end to the standard error stream the program
// was started with: a redirection, or the console of the command prompt that
// started it. False when there is none (started from a shortcut, say).
bool writeStandardError(const std::string& message);

} // namespace host
