#pragma once
// Whether the package can be installed: it lists to its end (every size
// field readable and every entry's data within the file) and holds each of
// the files the installation needs.
#include <optional>
#include <string>
#include <vector>

namespace setup {

// What is wrong with the package, in plain words naming it; nothing when it
// can be installed. Names are compared without regard to ASCII case, as the
// file system and the extraction compare them.
std::optional<std::string> packageProblem(const std::string& packagePath, const std::vector<std::string>& required);

} // namespace setup
