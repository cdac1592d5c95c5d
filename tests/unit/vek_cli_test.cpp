// The packaging tool's commands: what they print, write and exit with.
#include "archive_test_support.h"
#include "Package/archive_writer.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "vek/vek_cli.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace archive_test;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome vek(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = vek::runCommand(platform::files(), args, out, err);
    return {status, out.str(), err.str()};
}

class VekCli : public ::testing::Test {
protected:
    ScratchFolder dir;
    std::string archive = dir / "p.set";
    std::string file(const std::string& name, const std::string& data) {
        writeBytes(dir / name, data);
        return dir / name;
    }
};

TEST_F(VekCli, AddListExtractRoundTrip) {
    EXPECT_EQ(vek({"add", archive, file("a.txt", "abc")}).status, 0);
    EXPECT_EQ(vek({"add", archive, file("b.bin", "0123"), "Renamed.bin"}).status, 0);
    EXPECT_EQ(readBytes(archive), entryBytes("a.txt", "abc") + entryBytes("Renamed.bin", "0123"));
    const Outcome listed = vek({"list", archive});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "a.txt\nRenamed.bin\n");
    EXPECT_EQ(vek({"extract", archive, "renamed.BIN", dir / "out"}).status, 0);
    EXPECT_EQ(readBytes(dir / "out"), "0123");
}

TEST_F(VekCli, UsageErrorsExitWithTwoAndHelpWithZero) {
    for (auto args : std::vector<std::vector<std::string>>{{}, {"frob"}, {"list"}, {"add", archive}, {"extract", archive, "x"}}) {
        const Outcome r = vek(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("vek --help"), std::string::npos) << r.err;
    }
    const Outcome help = vek({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("vek extract-all ARCHIVE FOLDER"), std::string::npos);
}

TEST_F(VekCli, AddRefusesNamesThatCouldNotBeExtracted) {
    const std::string source = file("a.txt", "abc");
    for (std::string name : {"", "..", "sub/x", "sub\\x", "CON.txt", "trailing.", "c:x"}) {
        const Outcome r = vek({"add", archive, source, name});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_NE(r.err.find("refusing entry name"), std::string::npos) << r.err;
    }
    EXPECT_FALSE(exists(archive));
}

TEST_F(VekCli, FailuresNameTheFileAndWhatIsWrong) {
    Outcome r = vek({"add", archive, dir / "missing.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vek: " + (dir / "missing.txt") + ": cannot open the file to add (missing, unreadable or not a file): No such file or directory\n");

    writeBytes(archive, entryBytes("good", "ok") + std::string("bad\0-5\0", 7));
    r = vek({"list", archive});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "good\nbad\n");
    EXPECT_NE(r.err.find(archive + ": damaged archive"), std::string::npos) << r.err;

    writeBytes(archive, entryBytes("good", "ok"));
    r = vek({"extract", archive, "nothere", dir / "out"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no entry named \"nothere\""), std::string::npos) << r.err;
    EXPECT_FALSE(exists(dir / "out"));

    r = vek({"extract", archive, "../good", dir / "out"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(exists(dir / "out"));
}

TEST_F(VekCli, ExtractAllWritesSafeEntriesOnlyAndReportsTheRest) {
    ScratchFolder target;
    const std::string source = file("src", "payload");
    ASSERT_TRUE(package::appendEntry(platform::files(), archive, source, "one.txt"));
    ASSERT_TRUE(package::appendEntry(platform::files(), archive, source, "../escape.txt"));  // made by another tool
    ASSERT_TRUE(package::appendEntry(platform::files(), archive, file("src2", "second"), "ONE.txt"));
    ASSERT_TRUE(package::appendEntry(platform::files(), archive, source, "two"));
    ASSERT_TRUE(package::appendEntry(platform::files(), archive, source, "kept.txt"));
    // A read-only file of an entry's name keeps its bytes, by either command.
    writeBytes(target / "kept.txt", "the user's");
    std::filesystem::permissions(target / "kept.txt", std::filesystem::perms::owner_read);
    const Outcome r = vek({"extract-all", archive, target.str()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("\"../escape.txt\" not extracted"), std::string::npos) << r.err;
    const std::string readOnly = "kept.txt: cannot write the extracted file: it is read-only\n";
    EXPECT_NE(r.err.find(platform::joinPath(target.str(), readOnly)), std::string::npos) << r.err;
    EXPECT_EQ(listFolder(target.str()), "kept.txt;one.txt;two;");
    EXPECT_EQ(readBytes(target / "one.txt"), "payload");  // the first of a repeated name
    EXPECT_FALSE(exists(dir / "escape.txt"));
    const Outcome one = vek({"extract", archive, "kept.txt", target / "kept.txt"});
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(one.err, "vek: " + (target / readOnly));
    EXPECT_EQ(readBytes(target / "kept.txt"), "the user's");

    EXPECT_EQ(vek({"extract-all", archive, dir / "no-folder"}).status, 1);
}

// No command writes over the archive it reads, however the destination
// names it: the same path, another spelling, a relative one, a hard link, or
// an entry of extract-all that bears the archive's own name. Other entries of
// extract-all are still written.
TEST_F(VekCli, NoCommandWritesOverTheArchiveItReads) {
    const std::string packed = entryBytes("a.bin", "abc") + entryBytes("p.set", "inner");
    std::filesystem::create_directory(dir / "sub");
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::string written;  // a file the command may still write
    };
    const Case cases[] = {
        {"the same path", {"extract", archive, "a.bin", archive}, ""},
        {"another spelling", {"extract", archive, "a.bin", dir / "sub/../p.set"}, ""},
        {"relative to the current folder", {"extract", "p.set", "a.bin", "./p.set"}, ""},
        {"a hard link to it", {"extract", archive, "a.bin", dir / "link.set"}, ""},
        {"extract-all: an entry of its name", {"extract-all", archive, dir.str()}, dir / "a.bin"},
        {"extract-all, relative", {"extract-all", "p.set", "."}, dir / "a.bin"},
    };
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.str());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(dir / "a.bin");
        std::filesystem::remove(dir / "link.set");
        writeBytes(archive, packed);
        std::filesystem::create_hard_link(archive, dir / "link.set");
        const Outcome r = vek(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("refusing to write over the archive being read; it is unchanged"), std::string::npos) << r.err;
        EXPECT_EQ(readBytes(archive), packed);
        if (!c.written.empty()) {
            EXPECT_EQ(readBytes(c.written), "abc");
        }
        EXPECT_EQ(listFolder(dir.str()), std::string(c.written.empty() ? "" : "a.bin;") + "link.set;p.set;sub;");
    }
    std::filesystem::current_path(before);
}

bool oneLine(const std::string& text) { return text.find('\n') == text.size() - 1; }

// Names around the 255-byte limit of a file name, and of an entry name (its
// terminator must lie within 256 bytes), through every command: each returns,
// with the right result or one line saying what is wrong.
TEST_F(VekCli, NamesAroundTheLimitFinishWithTheRightResult) {
    for (std::size_t length = 250; length <= 260; ++length) {
        SCOPED_TRACE(length);
        ScratchFolder work, out;
        const std::string name = std::string(length - 4, 'n') + ".bin";
        const std::string source = work / "source";
        const std::string set = work / "long.set";
        writeBytes(source, "payload");
        auto run = [](std::vector<std::string> args) { return finishesWithoutHanging(args[0].c_str(), [=] { return vek(args); }); };

        const Outcome added = run({"add", set, source, name});
        const Outcome byName = run({"extract", set, name, work / "by-name"});
        if (length <= 255) {
            EXPECT_EQ(added.status, 0) << added.err;
            EXPECT_EQ(run({"list", set}).out, name + "\n");
            EXPECT_EQ(byName.status, 0) << byName.err;
            EXPECT_EQ(readBytes(work / "by-name"), "payload");
            EXPECT_EQ(run({"extract", set, name, out / name}).status, 0);
            EXPECT_EQ(readBytes(out / name), "payload");
            std::filesystem::remove(out / name);
            EXPECT_EQ(run({"extract-all", set, out.str()}).status, 0);
            EXPECT_EQ(listFolder(out.str()), name + ";");
        } else {
            EXPECT_EQ(added.status, 1);
            EXPECT_NE(added.err.find("longer than 255 bytes"), std::string::npos) << added.err;
            EXPECT_TRUE(oneLine(added.err)) << added.err;
            EXPECT_FALSE(exists(set)) << "a refused add leaves no archive";
            EXPECT_EQ(byName.status, 1);
            EXPECT_NE(byName.err.find("longer than 255 bytes"), std::string::npos) << byName.err;

            // Written by another tool: no reader finds the name's end.
            writeBytes(set, entryBytes(name, "payload"));
            const Outcome listed = run({"list", set});
            EXPECT_EQ(listed.status, 1);
            EXPECT_NE(listed.err.find("no terminator within 256 bytes"), std::string::npos) << listed.err;
            EXPECT_EQ(run({"extract-all", set, out.str()}).status, 1);

            // A destination whose own name is too long for the file system.
            writeBytes(set, entryBytes("short", "payload"));
            const Outcome tooLong = run({"extract", set, "short", out / name});
            EXPECT_EQ(tooLong.status, 1);
            EXPECT_NE(tooLong.err.find("File name too long"), std::string::npos) << tooLong.err;
            EXPECT_TRUE(oneLine(tooLong.err)) << tooLong.err;
            EXPECT_EQ(listFolder(out.str()), "");
        }
    }
}

TEST_F(VekCli, AFolderThatCannotBeWrittenFailsAtOnceWithTheReason) {
    ScratchFolder target;
    ASSERT_EQ(vek({"add", archive, file("a.txt", "abc")}).status, 0);
    std::filesystem::permissions(target.str(), std::filesystem::perms::none);
    Outcome all, one;
    {
        ObeyingFilePermissions asUser;
        all = finishesWithoutHanging("extract-all", [&] { return vek({"extract-all", archive, target.str()}); });
        one = finishesWithoutHanging("extract", [&] { return vek({"extract", archive, "a.txt", target / "a.txt"}); });
    }
    std::filesystem::permissions(target.str(), std::filesystem::perms::owner_all);
    for (const Outcome& r : {all, one}) {
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.starts_with("vek: " + target.str())) << r.err;
        EXPECT_TRUE(r.err.ends_with("a.txt: cannot write the extracted file: Permission denied\n")) << r.err;
    }
    EXPECT_EQ(listFolder(target.str()), "");
}

// An add that is refused takes back everything it did: a new archive is not
// left behind, not even empty, and an existing one keeps its bytes.
TEST_F(VekCli, ARefusedAddLeavesTheArchiveAsItWas) {
    const std::string huge = dir / "huge.bin";
    std::filesystem::resize_file((writeBytes(huge, ""), huge), 2'147'483'648u);  // sparse: costs no disk
    const std::string longName(256, 'x');
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    const std::vector<Case> cases = {
        {{"add", archive, huge}, "beyond 2147483647 bytes"},
        {{"add", archive, file("a", "abc"), longName}, "longer than 255 bytes"},
        {{"add", archive, dir / "missing"}, "No such file or directory"},
    };
    for (const std::string before : {"", "absent"}) {
        if (before.empty()) writeBytes(archive, entryBytes("kept", "1"));
        else std::filesystem::remove(archive);
        for (const Case& c : cases) {
            const Outcome r = vek(c.args);
            EXPECT_EQ(r.status, 1) << c.says;
            EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
            if (before.empty()) EXPECT_EQ(readBytes(archive), entryBytes("kept", "1"));
            else EXPECT_FALSE(exists(archive)) << c.says;
        }
    }
}

} // namespace
