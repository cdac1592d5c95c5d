#pragma once
// Path helpers of the archive window; both "\" and "/" separate folders.
#include <string>

namespace setup {

// The text after the last separator; empty when there is none.
std::string FileNameOf(const std::string& path);
// The text up to and including the last separator; empty when there is none.
std::string FolderOf(const std::string& path);

} // namespace setup
