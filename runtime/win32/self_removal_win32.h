#pragma once
// Removing a running program's own file and its folder after it ends.
//
// A running program cannot delete its own file, so it copies itself to the
// temporary folder and starts the copy with a private argument naming its
// file, the folders and (by an inherited handle) itself. The copy waits for
// the first process to end, deletes the file, removes the folders while they
// are empty, and ends. The copy's own file was opened with delete-on-close before
// it started, and the copy inherits that handle as the only one: the system
// deletes the file when the copy ends, so nothing stays in the temporary
// folder, with no reboot and no window.
#include "platform/self_removal.h"

namespace host {

class Win32SelfRemoval : public platform::SelfRemoval {
public:
    rt::Outcome<> removeAfterExit(const std::string& programFile, const std::vector<std::string>& folders) override;
};

// When the command line carries the private argument, does the copy's work
// and returns true: the program must then end without showing anything.
bool runSelfRemovalIfAsked();

} // namespace host
