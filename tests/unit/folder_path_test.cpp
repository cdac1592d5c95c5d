// Making every missing level of a folder: drives, shares, both separators,
// a trailing separator, existing levels kept, a refused level stopping it.
// Finding the drive a folder that does not exist yet will be on.
#include "platform/drive_space.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// Folders as a set of paths; makeFolder refuses the names in `refused`.
class FolderSet : public platform::FileSystem {
public:
    std::set<std::string> folders;
    std::set<std::string> refused;
    std::vector<std::string> asked;

    bool fileExists(const std::string&) override { return false; }
    rt::Outcome<std::int64_t> lastWriteTime(const std::string&) override { return rt::fail("no files here"); }
    rt::Outcome<std::string> readFile(const std::string&) override { return rt::fail("no files here"); }
    rt::Outcome<> writeFile(const std::string&, std::string_view) override { return rt::fail("no files here"); }
    platform::OpenedFile openFile(const std::string&, platform::OpenMode) override {
        return rt::fail(platform::OpenFailure::Other, "no files here");
    }
    rt::Outcome<> replaceFile(const std::string&, const std::string&) override { return rt::fail("no files here"); }
    rt::Outcome<> makeFolder(const std::string& path) override {
        asked.push_back(path);
        if (refused.count(path)) return rt::fail("refused");
        folders.insert(path);
        return {};
    }
    bool folderExists(const std::string& path) override { return folders.count(path) != 0; }
    rt::Outcome<std::vector<std::string>> listFiles(const std::string&) override { return rt::fail("no files here"); }
    rt::Outcome<> deleteFile(const std::string&) override { return rt::fail("no files here"); }
    rt::Outcome<> removeEmptyFolder(const std::string& path) override {
        if (folders.erase(path) == 0) return rt::fail("no such folder");
        return {};
    }
    rt::Outcome<std::uint64_t> freeSpace(const std::string& folder) override {
        asked.push_back(folder);
        return 42;
    }
};

TEST(MakeFolderPath, MakesEachMissingLevelOutermostFirst) {
    using List = std::vector<std::string>;
    const struct {
        std::string path;
        std::set<std::string> existing;
        std::set<std::string> refused;
        bool ok;
        List created;
    } cases[] = {
        {"C:\\Program Files\\Corvane Lumetra", {"C:\\Program Files"}, {}, true, {"C:\\Program Files\\Corvane Lumetra"}},
        {"C:\\New Parent\\Deeper\\Leaf\\", {}, {}, true,
         {"C:\\New Parent", "C:\\New Parent\\Deeper", "C:\\New Parent\\Deeper\\Leaf"}},
        {"D:/mixed\\separators/x", {"D:/mixed"}, {}, true, {"D:/mixed\\separators", "D:/mixed\\separators/x"}},
        {"\\\\server\\share\\apps\\x", {}, {}, true, {"\\\\server\\share\\apps", "\\\\server\\share\\apps\\x"}},
        {"/tmp/a/b", {"/tmp"}, {}, true, {"/tmp/a", "/tmp/a/b"}},
        {"C:\\Existing", {"C:\\Existing"}, {}, true, {}},
        // A level that cannot be made stops there: nothing deeper is tried.
        {"C:\\Made\\Blocked\\Leaf", {}, {"C:\\Made\\Blocked"}, false, {"C:\\Made"}},
        {"", {}, {}, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        FolderSet files;
        files.folders = c.existing;
        files.refused = c.refused;
        const platform::MadeFolders made = platform::makeFolderPath(files, c.path);
        EXPECT_EQ(made.outcome.ok(), c.ok);
        EXPECT_EQ(made.created, c.created);
        for (const std::string& level : files.asked) EXPECT_NE(level.back(), ':') << "asked to make a drive";
    }
}

// The free space of a folder to be is the space of the drive under its
// nearest existing folder; a drive that is not there has none to tell.
TEST(FreeSpaceFor, AsksThroughTheNearestExistingFolder) {
    const struct {
        std::string path;
        std::set<std::string> existing;
        std::optional<std::string> asked;
    } cases[] = {
        {"C:\\Program Files\\Corvane Lumetra", {"C:\\", "C:\\Program Files"}, "C:\\Program Files"},
        // Above "C:\x" is the drive's root, not the drive-relative "C:".
        {"C:\\New Parent\\Deeper\\", {"C:\\"}, "C:\\"},
        {"C:\\Program Files\\..\\Apps", {"C:\\", "C:\\Apps"}, "C:\\Apps"},
        {"Q:\\Missing\\Drive", {"C:\\"}, std::nullopt},
        {"Apps\\Relative", {"C:\\"}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        FolderSet files;
        files.folders = c.existing;
        EXPECT_EQ(platform::nearestExistingFolder(files, c.path), c.asked);
        const rt::Outcome<std::uint64_t> free = platform::freeSpaceFor(files, c.path);
        EXPECT_EQ(free ? std::optional<std::uint64_t>(*free) : std::nullopt, c.asked ? std::optional<std::uint64_t>(42) : std::nullopt);
        EXPECT_EQ(files.asked, c.asked ? std::vector<std::string>{*c.asked} : std::vector<std::string>{});
    }
}

} // namespace
