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

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace record {

inline constexpr const char* kFileName = "Install record.txt";
inline constexpr int kVersion = 1;

struct InstallRecord {
    std::vector<std::string> files;    // every file written, full paths
    std::vector<std::string> folders;  // every folder made, outermost first
    std::vector<std::string> replaced = {};  // other copies' folders, the latest first
    bool forCurrentUser = false;  // installed for the user alone
};

std::string format(const InstallRecord& record);
// Nothing when the text is not an install record.
std::optional<InstallRecord> parse(std::string_view text);

// An earlier record with this installation's added: each path once (case
// ignored), the earlier ones first; but the copies this installation
// replaced come before those of the earlier one.
InstallRecord merged(const InstallRecord& earlier, const InstallRecord& now);

// The record of an installation folder.
std::string pathIn(std::string_view folder);
std::optional<InstallRecord> read(platform::FileSystem& files, std::string_view folder);

// Whether the record lists the file (the same file, by normal form or identity).
bool lists(platform::FileSystem& files, const InstallRecord& record, std::string_view file);

} // namespace record
