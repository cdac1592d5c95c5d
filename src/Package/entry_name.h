#pragma once
// Entry names are plain file names. Before an entry is written into a folder
// its name is checked, so that a package cannot write outside that folder or
// onto a device: no folder part, no "." or "..", no drive, nothing Windows
// cannot hold as a file name.
#include "core/outcome.h"

#include <string>

namespace package {

// Whether `name` can be extracted into a folder, or why not.
rt::Outcome<> checkEntryName(const std::string& name);

// The name with ASCII letters in lower case: entry names are matched this
// way, as the file system matches file names.
std::string lowerAscii(std::string text);

// `folder` & "\" & `name`, joined as the path module joins.
std::string entryPathIn(const std::string& folder, const std::string& name);
// Whether `path` names a file directly inside `folder` (not deeper, not above).
bool liesDirectlyIn(const std::string& path, const std::string& folder);

} // namespace package
