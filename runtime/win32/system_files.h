#pragma once
// The Windows file layer: wide-character paths, data flushed to the disk
// when a written file is closed (so before a replacing rename), and the
// rename itself written through.
#include "platform/files.h"

namespace host {

class SystemFileSystem : public platform::FileSystem {
public:
    bool fileExists(const std::string& path) override;
    std::optional<std::int64_t> lastWriteTime(const std::string& path) override;
    bool writeFile(const std::string& path, std::string_view bytes) override;
    platform::OpenedFile openFile(const std::string& path, platform::OpenMode mode) override;
    platform::WriteResult replaceFile(const std::string& from, const std::string& to) override;
    bool makeFolder(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    std::optional<std::vector<std::string>> listFiles(const std::string& folder) override;
    bool deleteFile(const std::string& path) override;
    platform::WriteResult deleteFileOrSayWhy(const std::string& path) override;
    bool removeEmptyFolder(const std::string& path) override;
    std::optional<std::uint64_t> freeSpace(const std::string& folder) override;
    // In system_paths.cpp: the full-path and long-name functions, file
    // identity, and whether a running program holds a file.
    std::optional<std::string> systemFullPath(const std::string& path) override;
    std::optional<platform::FileIdentity> identity(const std::string& path) override;
    bool inUse(const std::string& path) override;
};

} // namespace host
