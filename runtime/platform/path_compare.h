#pragma once
// Paths as the system sees them: the normal form the file layer gives (on
// Windows the full-path function, 8.3 short names spelled out), and whether
// two paths name the same file. Guards compare paths only through here,
// never as raw text.
#include "platform/files.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The normal form of a full path (see paths.h), as the file layer's system
// gives it where it has one; nothing for a path that is not full.
std::optional<std::string> normalForm(FileSystem& files, std::string_view path);

// Whether two full paths name the same file or folder: equal normal forms
// (case ignored), or, where both exist, the same identity (a volume and a
// file index), which also sees through hard links and other drive letters.
bool samePath(FileSystem& files, std::string_view a, std::string_view b);

// Whether writing `target` would write over the file at `source`: by their
// identities where both can be told (the system resolves a relative path
// for that), else, where the target is new, by their normal forms.
bool writesOver(FileSystem& files, const std::string& target, const std::string& source);

// The path inside a command line such as "C:\Program Files\X\Uninstall.exe"
// with its quotes, or unquoted: the quoted part, else the whole text, with
// surrounding spaces dropped.
std::string commandPath(std::string_view command);

} // namespace platform
