#pragma once
// An in-memory file layer for tests: files and folders are map entries, and a
// test can make a folder read-only or make a write or a rename fail.
#include "platform/files.h"
#include "platform/paths.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fakes {

class MemoryFiles : public platform::FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> readOnlyFolders;
    // The next writes stop after this many bytes and fail (a full disk).
    std::optional<std::size_t> failWritesAfter;
    bool failReplace = false;
    // Files that refuse to be deleted (in use, read-only).
    std::set<std::string> undeletable;
    // Files with the read-only attribute: never replaced nor deleted.
    std::set<std::string> readOnlyFiles;
    // Bytes handed out by reads, to show how much of a file a reader took.
    std::size_t bytesRead = 0;
    // Program files a running program holds: for how many more questions
    // each is still in use.
    std::map<std::string, int> runningFor;
    // Each write or rename stamps its file with the next tick of this clock;
    // a file put straight into `files` counts as written at tick 0.
    std::map<std::string, std::int64_t> writtenAt;
    std::int64_t clock = 0;

    bool fileExists(const std::string& path) override { return files.count(path) != 0; }

    rt::Outcome<std::int64_t> lastWriteTime(const std::string& path) override {
        if (!fileExists(path)) return rt::fail("No such file or directory");
        const auto it = writtenAt.find(path);
        return it == writtenAt.end() ? 0 : it->second;
    }

    rt::Outcome<std::string> readFile(const std::string& path) override {
        const auto it = files.find(path);
        if (it == files.end()) return rt::fail("No such file or directory");
        bytesRead += it->second.size();
        return it->second;
    }

    rt::Outcome<> writeFile(const std::string& path, std::string_view bytes) override {
        if (!writable(platform::parentFolder(path))) return rt::fail("Permission denied");
        if (failWritesAfter && *failWritesAfter < bytes.size()) {
            files[path] = std::string(bytes.substr(0, *failWritesAfter));
            return rt::fail("No space left on device");
        }
        files[path] = std::string(bytes);
        writtenAt[path] = ++clock;
        return {};
    }

    platform::OpenedFile openFile(const std::string& path, platform::OpenMode mode) override {
        using platform::OpenFailure;
        const bool exists = files.count(path) || folders.count(path);
        if (mode == platform::OpenMode::CreateNew ? exists : !files.count(path)) {
            return exists ? rt::fail(OpenFailure::AlreadyExists, "File exists")
                          : rt::fail(OpenFailure::Missing, "No such file or directory");
        }
        if (mode != platform::OpenMode::Read && !writable(platform::parentFolder(path)))
            return rt::fail(OpenFailure::Other, "Permission denied");
        return platform::OpenedFile(std::make_unique<MemoryFile>(*this, files[path]));
    }

    rt::Outcome<> replaceFile(const std::string& from, const std::string& to) override {
        if (readOnlyFiles.count(to)) return rt::fail(platform::kReadOnlyReason);
        if (failReplace || !files.count(from) || !writable(platform::parentFolder(to))) return rt::fail("Permission denied");
        files[to] = files[from];
        files.erase(from);
        writtenAt[to] = ++clock;
        return {};
    }


    rt::Outcome<> makeFolder(const std::string& path) override {
        if (folders.count(path)) return {};
        if (!writable(platform::parentFolder(path))) return rt::fail("Permission denied");
        folders.insert(path);
        return {};
    }

    rt::Outcome<std::vector<std::string>> listFiles(const std::string& folder) override {
        if (!folders.count(folder)) return rt::fail("No such file or directory");
        std::vector<std::string> names;
        for (const auto& [path, bytes] : files) {
            if (platform::parentFolder(path) == folder) names.push_back(path.substr(folder.size() + 1));
        }
        return names;
    }

    // A read-only file is not deleted, as on Windows.
    rt::Outcome<> deleteFile(const std::string& path) override {
        if (files.count(path) && readOnlyFiles.count(path)) return rt::fail(platform::kReadOnlyReason);
        if (files.count(path) && undeletable.count(path)) return rt::fail("Access is denied.");
        files.erase(path);
        return {};
    }

    bool folderExists(const std::string& path) override { return folders.count(path) != 0; }

    bool inUse(const std::string& path) override {
        const auto running = runningFor.find(path);
        return running != runningFor.end() && running->second-- > 0;
    }

    rt::Outcome<> removeEmptyFolder(const std::string& path) override {
        for (const auto& [file, bytes] : files) {
            if (platform::parentFolder(file) == path) return rt::fail("Directory not empty");
        }
        for (const auto& folder : folders) {
            if (platform::parentFolder(folder) == path) return rt::fail("Directory not empty");
        }
        folders.erase(path);
        return {};
    }

private:
    // Bytes in the map, written in place; `failWritesAfter` cuts writes short.
    class MemoryFile : public platform::File {
    public:
        MemoryFile(MemoryFiles& owner, std::string& bytes) : owner_(owner), bytes_(bytes) {}
        std::int64_t size() override { return static_cast<std::int64_t>(bytes_.size()); }
        std::size_t readAt(std::int64_t offset, void* buffer, std::size_t n) override {
            const auto at = static_cast<std::size_t>(offset);
            if (at >= bytes_.size()) return 0;
            const std::size_t got = bytes_.copy(static_cast<char*>(buffer), n, at);
            owner_.bytesRead += got;
            return got;
        }
        rt::Outcome<> writeAt(std::int64_t offset, const void* buffer, std::size_t n) override {
            const auto at = static_cast<std::size_t>(offset);
            const std::size_t fits = owner_.failWritesAfter ? std::min(n, *owner_.failWritesAfter) : n;
            if (bytes_.size() < at + fits) bytes_.resize(at + fits);
            bytes_.replace(at, fits, static_cast<const char*>(buffer), fits);
            if (fits != n) return rt::fail("No space left on device");
            return {};
        }
        rt::Outcome<> truncate(std::int64_t length) override {
            bytes_.resize(static_cast<std::size_t>(length));
            return {};
        }
        rt::Outcome<> close() override { return {}; }

    private:
        MemoryFiles& owner_;
        std::string& bytes_;
    };

    bool writable(const std::string& folder) const {
        return folders.count(folder) && !readOnlyFolders.count(folder);
    }
};

} // namespace fakes
