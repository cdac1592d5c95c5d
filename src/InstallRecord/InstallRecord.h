#pragma once
// The install record: a small UTF-8 text file beside the programs that lists
// every file the installations into this folder wrote and every folder they
// made, so that Uninstall removes exactly those and nothing of the user's.
//
//   Corvane Lumetra install record 1
//   folder<TAB>C:\Corvane Apps
//   folder<TAB>C:\Corvane Apps\Corvane Lumetra
//   file<TAB>C:\Corvane Apps\Corvane Lumetra\Corvane Lumetra.exe
//   replaces<TAB>D:\Lumetra
//   mode<TAB>current user
//
// The first line names the format and its version. Each other line is a
// kind, a tab and a full path in normal form; folders come outermost first.
// "replaces" names the folder of another copy whose uninstall entry this
// installation took over (the latest first): when this copy goes, the entry
// goes back to the first of them still installed. "mode" says whom the
// installation is for: "current user" has its uninstall entry under
// HKEY_CURRENT_USER; "all users", or no such line (older records), under
// HKEY_LOCAL_MACHINE.
// Lines end in CR LF (LF alone is read too). A reader skips kinds it does not
// know, so a later version can add kinds and an earlier reader still finds
// the files and folders; a later version reads every earlier one.
#include "platform/files.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace record {

inline constexpr const char* kFileName = "Install record.txt";
inline constexpr int kVersion = 1;
// A reader takes only the record's first MiB (whole lines), so a damaged or
// hand-grown file costs no more than that: a real record of a few hundred
// files is some tens of KB.
inline constexpr std::size_t kMaxBytes = 1024 * 1024;

struct InstallRecord {
    std::vector<std::string> files;    // every file written, full paths
    std::vector<std::string> folders;  // every folder made, outermost first
    std::vector<std::string> replaced = {};  // other copies' folders, the latest first
    bool forCurrentUser = false;  // installed for the user alone
};

std::string format(const InstallRecord& record);
// A path (or name) as a key that ignores case as Windows does (ASCII letters,
// as platform::sameTextIgnoringCase).
std::string pathKey(std::string path);
// Nothing when the text is not an install record. Only the first kMaxBytes
// are read; each path is kept once (case ignored).
std::optional<InstallRecord> parse(std::string_view text);

// An earlier record with this installation's added: each path once (case
// ignored), the earlier ones first; but the copies this installation
// replaced come before those of the earlier one.
InstallRecord merged(const InstallRecord& earlier, const InstallRecord& now);

// The record of an installation folder; its text as read, at most
// kMaxBytes and one more byte, or why it cannot be opened; the record, or
// nothing where the folder holds none (installations before the record
// had none) or none that can be read.
std::string pathIn(std::string_view folder);
rt::Outcome<std::string> readText(platform::FileSystem& files, std::string_view folder);
std::optional<InstallRecord> read(platform::FileSystem& files, std::string_view folder);

// What of the record concerns the install folder (in normal form), decided
// by the text alone, with no call to the file system: the files lying
// directly in it and the folders that are it or above it (never a drive's
// root), each in normal form, once; the replaced copies as they are.
InstallRecord within(const InstallRecord& record, std::string_view installFolder);

// Whether the record lists the file under its normal form, among the lines
// of the file's own folder.
bool lists(platform::FileSystem& files, const InstallRecord& record, std::string_view file);

} // namespace record
