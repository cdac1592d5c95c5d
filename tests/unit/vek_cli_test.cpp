// The packaging tool's commands: what they print, write and exit with.
#include "archive_test_support.h"
#include "Setup/archive/archive_writer.h"
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
    const int status = vek::runCommand(args, out, err);
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
    EXPECT_EQ(r.err, "vek: " + (dir / "missing.txt") + ": cannot open the file to add (missing, unreadable or not a file)\n");

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
    ASSERT_TRUE(setup::appendEntry(archive, source, "one.txt"));
    ASSERT_TRUE(setup::appendEntry(archive, source, "../escape.txt"));  // made by another tool
    ASSERT_TRUE(setup::appendEntry(archive, file("src2", "second"), "ONE.txt"));
    ASSERT_TRUE(setup::appendEntry(archive, source, "two"));
    const Outcome r = vek({"extract-all", archive, target.str()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("\"../escape.txt\" not extracted"), std::string::npos) << r.err;
    EXPECT_EQ(listFolder(target.str()), "one.txt;two;");
    EXPECT_EQ(readBytes(target / "one.txt"), "payload");  // the first of a repeated name
    EXPECT_FALSE(exists(dir / "escape.txt"));

    EXPECT_EQ(vek({"extract-all", archive, dir / "no-folder"}).status, 1);
}

} // namespace
