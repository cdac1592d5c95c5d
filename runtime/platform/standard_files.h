#pragma once
// The file layer of the native builds (tools, tests, fuzzing), on POSIX
// calls. Windows programs use the Win32 one. A "\" in a path is taken as a
// folder separator here, so that the Windows-style paths the programs build
// work unchanged in native tests.
#include "platform/files.h"

namespace platform {

class StandardFileSystem : public FileSystem {
public:
    bool fileExists(const std::string& path) override;
    rt::Outcome<std::int64_t> lastWriteTime(const std::string& path) override;
    rt::Outcome<> writeFile(const std::string& path, std::string_view bytes) override;
    OpenedFile openFile(const std::string& path, OpenMode mode) override;
    rt::Outcome<> replaceFile(const std::string& from, const std::string& to) override;
    rt::Outcome<> makeFolder(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    rt::Outcome<std::vector<std::string>> listFiles(const std::string& folder) override;
    rt::Outcome<> deleteFile(const std::string& path) override;
    rt::Outcome<> removeEmptyFolder(const std::string& path) override;
    // The device and inode of what the path names (links followed).
    rt::Outcome<FileIdentity> identity(const std::string& path) override;
    rt::Outcome<std::uint64_t> freeSpace(const std::string& folder) override;
};

} // namespace platform
