#pragma once
// A folder of the in-memory file layer, with the whole-file helpers the
// archive tests use on it.
#include "memory_files.h"
#include "platform/paths.h"

#include <string>

namespace archive_test {

class MemoryFolder {
public:
    explicit MemoryFolder(fakes::MemoryFiles& files, std::string path = "C:\\Work") : files_(files), path_(std::move(path)) {
        files_.folders.insert(path_);
    }

    std::string operator/(const std::string& name) const { return platform::joinPath(path_, name); }
    const std::string& str() const { return path_; }

    void write(const std::string& name, const std::string& bytes) { files_.files[*this / name] = bytes; }
    // The file's bytes; empty when there is none.
    std::string read(const std::string& name) const {
        const auto found = files_.files.find(*this / name);
        return found == files_.files.end() ? std::string() : found->second;
    }
    bool holds(const std::string& name) const { return files_.files.count(*this / name) != 0; }
    // The folder's files, names only, sorted, each followed by ";".
    std::string list() const {
        std::string names;
        for (const std::string& name : files_.listFiles(path_).valueOr({})) names += name + ";";
        return names;
    }

private:
    fakes::MemoryFiles& files_;
    std::string path_;
};

} // namespace archive_test
