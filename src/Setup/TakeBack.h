#pragma once
// What one install run made, so that a failure or "Cancel" can take it back:
// the files it created (never a file of an earlier installation that it
// replaced), the folders it made, and the install record and the uninstall
// entry as they were before it wrote them.
#include "UninstallEntry/UninstallEntry.h"
#include "platform/files.h"
#include "platform/registry.h"

#include <optional>
#include <string>
#include <vector>

namespace setup {

class TakeBack {
public:
    // The folders the run made, outermost first.
    void madeFolders(std::vector<std::string> outermostFirst);
    // A file the run is about to write where none was.
    void willCreate(std::string path);
    // The record is about to be written; `before` is what the file held.
    void willWriteRecord(std::string path, std::optional<std::string> before);
    // The uninstall entry's values are about to be written: notes what they
    // are now.
    void willWriteEntry(platform::Registry& registry, platform::RegistryRoot hive, std::string key,
                        std::vector<entry::EntryValue> values);

    // The installation is complete: nothing is to be taken back any more.
    void keep();

    // Takes back everything noted, newest first: the entry, the record, the
    // created files, then the made folders when empty. Returns what could not
    // be taken back (paths, or the entry), for the user to see. Doing it twice
    // does nothing the second time.
    std::vector<std::string> takeBack(platform::FileSystem& files, platform::Registry& registry);

private:
    rt::Outcome<> entryTakenBack(platform::Registry& registry) const;

    std::vector<std::string> folders_;
    std::vector<std::string> created_;
    std::optional<std::string> recordPath_;
    std::optional<std::string> recordBefore_;
    std::optional<std::string> entryKey_;
    platform::RegistryRoot entryHive_ = platform::RegistryRoot::LocalMachine;
    std::vector<entry::EntryValue> entryValues_;  // what is written, for the kind of each value
    std::vector<entry::PriorValue> entryBefore_;
};

// "a, b, c" for the user, or "a, b, c and 4 more" for a long list.
std::string describeList(const std::vector<std::string>& items);

} // namespace setup
