#pragma once
// A file layer that counts every call made to it and passes each on to
// another: what a step costs in calls to the file system, which does not
// depend on the machine's speed.
#include "platform/files.h"

#include <cstddef>

namespace fakes {

class CountingFiles : public platform::FileSystem {
public:
    explicit CountingFiles(platform::FileSystem& inner) : inner_(inner) {}
    std::size_t calls = 0;

    bool fileExists(const std::string& p) override { return ++calls, inner_.fileExists(p); }
    rt::Outcome<std::int64_t> lastWriteTime(const std::string& p) override { return ++calls, inner_.lastWriteTime(p); }
    rt::Outcome<std::string> readFile(const std::string& p) override { return ++calls, inner_.readFile(p); }
    rt::Outcome<> writeFile(const std::string& p, std::string_view b) override { return ++calls, inner_.writeFile(p, b); }
    platform::OpenedFile openFile(const std::string& p, platform::OpenMode m) override {
        return ++calls, inner_.openFile(p, m);
    }
    rt::Outcome<> replaceFile(const std::string& f, const std::string& t) override {
        return ++calls, inner_.replaceFile(f, t);
    }
    rt::Outcome<> makeFolder(const std::string& p) override { return ++calls, inner_.makeFolder(p); }
    bool folderExists(const std::string& p) override { return ++calls, inner_.folderExists(p); }
    rt::Outcome<std::vector<std::string>> listFiles(const std::string& f) override {
        return ++calls, inner_.listFiles(f);
    }
    rt::Outcome<> deleteFile(const std::string& p) override { return ++calls, inner_.deleteFile(p); }
    rt::Outcome<> removeEmptyFolder(const std::string& p) override { return ++calls, inner_.removeEmptyFolder(p); }
    std::optional<std::string> systemFullPath(const std::string& p) override { return ++calls, inner_.systemFullPath(p); }
    rt::Outcome<platform::FileIdentity> identity(const std::string& p) override { return ++calls, inner_.identity(p); }
    bool inUse(const std::string& p) override { return ++calls, inner_.inUse(p); }
    rt::Outcome<std::uint64_t> freeSpace(const std::string& f) override { return ++calls, inner_.freeSpace(f); }

private:
    platform::FileSystem& inner_;
};

} // namespace fakes
