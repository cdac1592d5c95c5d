// Replacing a file through a new one beside it, over targets that may not be
// replaced: a read-only file keeps its bytes and its flag, whoever runs the
// program (root included), and the new file is gone again.
#include "platform/files.h"
#include "platform/standard_files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

TEST(ReadOnlyTarget, WriteThenRenameLeavesAReadOnlyFileAsItWas) {
    using P = fs::perms;
    struct Case {
        const char* name;
        std::optional<P> mode;  // nothing: no file there yet
        bool replaced;
    };
    const Case cases[] = {
        {"read-only for all", P::owner_read | P::group_read | P::others_read, false},
        {"read-only for its owner alone", P::owner_read, false},
        {"writable by its owner", P::owner_read | P::owner_write | P::group_read, true},
        {"no file yet", std::nullopt, true},
    };
    platform::StandardFileSystem files;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string target = folder / "settings.ini";
        if (c.mode) {
            TempFolder::write(target, "old\r\n");
            fs::permissions(target, *c.mode);
        }
        const rt::Outcome<> result = platform::writeThenRename(files, target, [](platform::File& f) {
            return f.writeAt(0, "new\r\n", 5);
        });
        EXPECT_EQ(result.ok(), c.replaced) << result.reason();
        EXPECT_EQ(TempFolder::read(target), c.replaced ? "new\r\n" : "old\r\n");
        if (!c.replaced) {
            EXPECT_EQ(result.reason(), platform::kReadOnlyReason);
            EXPECT_EQ(fs::status(target).permissions(), *c.mode);
        }
        EXPECT_FALSE(fs::exists(platform::temporaryPathFor(target)));
    }
}

} // namespace
