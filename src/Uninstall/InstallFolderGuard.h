#pragma once
// Uninstall deletes what an installation recorded, so it first makes sure the
// folder it runs from is this product's installation: a copy started from
// the downloads or the desktop must delete nothing.
#include "InstallRecord/InstallRecord.h"
#include "platform/files.h"

#include <optional>
#include <string>

namespace uninstall {

struct FolderFacts {
    std::string folder;       // the folder the program runs from
    std::string programFile;  // the running program's own file
    std::string windowsFolder;
    // "UninstallString" of the product's uninstall entry; nothing when there
    // is no entry.
    std::optional<std::string> uninstallCommand;
    // The install record beside the program; nothing when there is none.
    std::optional<record::InstallRecord> record;
};

// True when the folder is the product's install folder: its install record
// or the uninstall entry names an Uninstall.exe in this very folder (by
// normal form: case, short names, ".." and doubled separators make no
// difference) that is this very program (by normal form or file identity).
// The same file reached through a link from another folder is not enough.
// A drive's root and the Windows folder (or anything in it) never are.
bool isInstallFolder(platform::FileSystem& files, const FolderFacts& facts);

} // namespace uninstall
