#pragma once
// The file layer on the C++ standard library alone: the native builds (tools,
// tests, fuzzing) use it. Windows programs use the Win32 one, which also
// flushes to the disk before renaming.
#include "platform/files.h"

namespace platform {

class StandardFileSystem : public FileSystem {
public:
    bool fileExists(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, std::string_view bytes) override;
    bool replaceFile(const std::string& from, const std::string& to) override;
    void removeFile(const std::string& path) override;
    bool makeFolder(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    std::optional<std::vector<std::string>> listFiles(const std::string& folder) override;
    bool deleteFile(const std::string& path) override;
    bool removeEmptyFolder(const std::string& path) override;
};

} // namespace platform
