#pragma once
// Listing and extracting. Extraction looks for its entry before it creates
// anything, and never touches an existing destination until the whole entry
// has been copied: it writes a temporary file beside it and moves that over
// the destination at the end, so a failure leaves an existing file exactly as
// it was (and a new one is removed again).
#include "Package/archive_result.h"
#include "platform/files.h"

#include <functional>
#include <string>

namespace package {

// Reports every entry name in archive order. Names read before damage are
// still reported. An empty archive file has no entries and lists fine.
ArchiveOutcome<> listEntries(platform::FileSystem& files, const std::string& archivePath,
                            const std::function<void(const std::string&)>& onName);

// Writes the data of the first entry whose name matches `name` (ASCII letters
// compared without case) to `destination`.
ArchiveOutcome<> extractEntry(platform::FileSystem& files, const std::string& archivePath, const std::string& name,
                              const std::string& destination);

// Extracts every entry into `folder` in one pass over the archive; a name
// that repeats keeps the first entry's data, as extracting it by name would.
// `onEntry` hears each entry's name and how it went; an unsafe name is
// refused with `refusal` set. Returns the archive's own state (damage stops
// the pass); refused or unwritable entries are the caller's to count.
struct ExtractReport {
    std::string name;
    ArchiveOutcome<> written;  // how writing it went, when it was written
    std::string refusal;     // why the name was refused, when it was
    bool duplicate = false;  // an earlier entry had this name; skipped
    std::string path;        // where it was written
};
ArchiveOutcome<> extractAll(platform::FileSystem& files, const std::string& archivePath, const std::string& folder,
                            const std::function<void(const ExtractReport&)>& onEntry);

} // namespace package
