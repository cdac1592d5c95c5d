#pragma once
// Whether the package can be installed: it lists to its end (every size
// field readable and every entry's data within the file) and holds each of
// the programs the installation needs, each a Windows program.
#include "platform/files.h"

#include <optional>
#include <string>
#include <vector>

namespace setup {

// What is wrong with the package, in plain words naming it and the entry;
// nothing when it can be installed. Names are compared without regard to
// ASCII case, as the file system and the extraction compare them; of two
// entries with one name, the first is the one extracted and so checked.
std::optional<std::string> packageProblem(platform::FileSystem& files, const std::string& packagePath,
                                          const std::vector<std::string>& programs);

} // namespace setup
