#pragma once
// The Windows file layer: wide-character paths, data flushed to the disk
// when a written file is closed (so before a replacing rename), and the
// rename itself written through.
#include "platform/files.h"

namespace host {

class SystemFileSystem : public platform::FileSystem {
public:
    bool fileExists(const std::string& path) override;
    rt::Outcome<std::int64_t> lastWriteTime(const std::string& path) override;
    rt::Outcome<> writeFile(const std::string& path, std::string_view bytes) override;
    platform::OpenedFile openFile(const std::string& path, platform::OpenMode mode) override;
    rt::Outcome<> replaceFile(const std::string& from, const std::string& to) override;
    rt::Outcome<> makeFolder(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    rt::Outcome<std::vector<std::string>> listFiles(const std::string& folder) override;
    rt::Outcome<> deleteFile(const std::string& path) override;
    rt::Outcome<> removeEmptyFolder(const std::string& path) override;
    rt::Outcome<std::uint64_t> freeSpace(const std::string& folder) override;
    // In system_paths.cpp: the full-path and long-name functions, file
    // identity, and whether a running program holds a file.
    std::optional<std::string> systemFullPath(const std::string& path) override;
    rt::Outcome<platform::FileIdentity> identity(const std::string& path) override;
    bool inUse(const std::string& path) override;
};

} // namespace host
