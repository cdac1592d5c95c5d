#pragma once
// Joining paths: the one place that knows the separator ('\' on Windows).
#include <string>
#include <string_view>

namespace platform {

inline constexpr char kPathSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

// folder + separator + name; no separator is doubled when the folder already
// ends with one ("C:\"), and an empty folder gives the name alone.
std::string joinPath(std::string_view folder, std::string_view name);

// The folder part of a path (everything before the last separator); empty
// when there is none.
std::string parentFolder(std::string_view path);

// The last part of a path (a file's own name); the whole path when it has no
// separator.
std::string leafName(std::string_view path);

} // namespace platform
