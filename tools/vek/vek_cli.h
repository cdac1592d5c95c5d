#pragma once
// The packaging tool's command line: add, list, extract, extract-all.
// Errors are one line on `err` naming the file and what is wrong; the return
// value is the process's exit status (0 success, 1 failure, 2 bad usage).
#include "platform/files.h"

#include <ostream>
#include <string>
#include <vector>

namespace vek {

int runCommand(platform::FileSystem& files, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string usage();

} // namespace vek
