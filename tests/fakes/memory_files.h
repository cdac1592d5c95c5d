#pragma once
// An in-memory file layer for tests: files and folders are map entries, and a
// test can make a folder read-only or make a write or a rename fail.
#include "platform/files.h"
#include "platform/paths.h"

#include <map>
#include <optional>
#include <set>
#include <string>

namespace fakes {

class MemoryFiles : public platform::FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> readOnlyFolders;
    // The next writes stop after this many bytes and fail (a full disk).
    std::optional<std::size_t> failWritesAfter;
    bool failReplace = false;

    bool fileExists(const std::string& path) override { return files.count(path) != 0; }

    std::optional<std::string> readFile(const std::string& path) override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }

    bool writeFile(const std::string& path, std::string_view bytes) override {
        if (!writable(platform::parentFolder(path))) return false;
        if (failWritesAfter && *failWritesAfter < bytes.size()) {
            files[path] = std::string(bytes.substr(0, *failWritesAfter));
            return false;
        }
        files[path] = std::string(bytes);
        return true;
    }

    bool replaceFile(const std::string& from, const std::string& to) override {
        if (failReplace || !files.count(from) || !writable(platform::parentFolder(to))) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }

    void removeFile(const std::string& path) override { files.erase(path); }

    bool makeFolder(const std::string& path) override {
        if (folders.count(path)) return true;
        if (!writable(platform::parentFolder(path))) return false;
        folders.insert(path);
        return true;
    }

private:
    bool writable(const std::string& folder) const {
        return folders.count(folder) && !readOnlyFolders.count(folder);
    }
};

} // namespace fakes
