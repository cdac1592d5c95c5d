#pragma once
// Uninstall deletes every file of the folder it runs from, so it first makes
// sure that folder is this product's installation: a copy started from the
// downloads or the desktop must delete nothing.
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
    bool mainProgramPresent = false;  // the folder holds "Corvane Lumetra.exe"
};

// True when the folder is the product's install folder: the uninstall entry
// names this very program (quotes, case and separators aside), or, with no
// entry left (an earlier run stopped after removing it), the main program
// lies in the folder. A drive's root and the Windows folder (or anything in
// it) never are.
bool isInstallFolder(const FolderFacts& facts);

// Paths compared as Windows compares them: quotes and surrounding spaces
// dropped, "/" as "\", no trailing separator, ASCII letters in any case.
std::string comparablePath(std::string path);

} // namespace uninstall
