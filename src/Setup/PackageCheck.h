#pragma once
// Whether the package can be installed: it lists to its end (every size
// field readable and every entry's data within the file) and holds each of
// the programs the installation needs, each a Windows program.
#include "platform/files.h"

#include <string>
#include <vector>

namespace setup {

// Whether the package can be installed, or what is wrong with it, in plain
// words naming it and the entry. Names are compared without regard to
// ASCII case, as the file system and the extraction compare them; of two
// entries with one name, the first is the one extracted and so checked.
rt::Outcome<> packageInstallable(platform::FileSystem& files, const std::string& packagePath,
                                 const std::vector<std::string>& programs);

} // namespace setup
