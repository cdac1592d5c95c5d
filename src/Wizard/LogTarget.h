#pragma once
// /LOG must never name a file the run itself reads, writes or deletes: the
// log is replaced first, so naming the package, a program or the install
// record would destroy it before the run even begins.
#include "core/outcome.h"
#include "platform/files.h"

#include <string>
#include <vector>

namespace wizard {

// What a run touches: single files, and folders anything inside of which it
// may delete.
struct RunFiles {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

// The files of an installation in `folder`: the programs, the settings and
// the install record.
std::vector<std::string> installationFiles(const std::string& folder);

// Whether the log may be `log`, or why not, naming the file it would
// replace. Compared by normal form (case, short names, "..", doubled
// separators) and by identity, so a hard link to a needed file counts too.
rt::Outcome<> logAllowed(platform::FileSystem& files, const std::string& log, const RunFiles& run);

} // namespace wizard
