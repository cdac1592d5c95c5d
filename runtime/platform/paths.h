#pragma once
// Paths as text: the one place that knows separators, roots, joining,
// parents, file names and the normal form. Windows rules apply in every
// build: "\" and "/" both separate, a path starts at a drive ("C:\") or a
// share ("\\server\share"), case does not matter. Native builds (tools and
// tests) also take a path from "/" as full.
// What needs the file system (8.3 names, the same file under two names)
// lives in path_compare.h; the checks on a typed folder in folder_check.h.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The separator written between a folder and a name ('\' on Windows).
inline constexpr char kPathSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

inline constexpr bool isPathSeparator(char c) noexcept { return c == '\\' || c == '/'; }

// Where the file name starts: after the last separator, 0 when there is none.
std::size_t fileNameStart(std::string_view path) noexcept;
// The text after the last separator (the whole path when there is none).
std::string fileNameOf(std::string_view path);
// The folder part of a path (everything before the last separator); empty
// when there is none.
std::string parentFolder(std::string_view path);

// folder + separator + name; no separator is doubled when the folder already
// ends with one ("C:\"), and an empty folder gives the name alone. A folder
// on a drive or a share is joined with "\" in every build.
std::string joinPath(std::string_view folder, std::string_view name);

// What a path starts from.
enum class RootKind {
    Relative,      // "Program Files\x": from the current folder
    DriveRelative, // "C:x": from drive C's current folder
    CurrentDrive,  // "\x": the root of whichever drive is current
    Drive,         // "C:\x"
    Share,         // "\\server\share\x"
    Device,        // "\\.\x", "\\?\x", or a share without its share name
    Posix,         // "/x", native builds only
};
struct PathRoot {
    RootKind kind = RootKind::Relative;
    std::size_t length = 0;  // characters of the path the root takes
};
PathRoot rootOf(std::string_view path) noexcept;
// Whether the root names one place whatever the current folder is.
inline bool isFullRoot(RootKind kind) noexcept {
    return kind == RootKind::Drive || kind == RootKind::Share || kind == RootKind::Posix;
}

// Nothing follows the root but separators ("C:\", "\\server\share\", "/").
bool isRootOnly(std::string_view path) noexcept;

// The normal form, worked out from the text alone: a full path, single
// separators, "." and ".." resolved (never above the root), the trailing dot
// of a folder name and every trailing dot and space of the last name dropped
// (as Windows drops them), no trailing separator but a drive's "C:\".
// Nothing for a path that is not full.
std::optional<std::string> normalFormOfText(std::string_view path);

// Windows compares names without regard to case. ASCII letters here; the
// Windows side of path_compare.h also knows two spellings of one file.
bool sameTextIgnoringCase(std::string_view a, std::string_view b) noexcept;
// `path` is `folder` or lies somewhere inside it; both in normal form.
bool isSameOrInside(std::string_view path, std::string_view folder) noexcept;

} // namespace platform
