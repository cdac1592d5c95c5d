// The archive format, add/list/extract and the path helpers, over the
// in-memory file layer; what only a real disk shows (the kernel's copy,
// sparse files at the 2 GB limit, folders) on real files at the end.
#include "Unpacker/Dezarhivator.h"
#include "Unpacker/ModDezarhivator.h"
#include "platform/standard_files.h"
#include "archive_test_support.h"
#include "chunked_copy_files.h"
#include "fixed_folders.h"
#include "memory_folder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace archive_test;

namespace {

struct Names {
    std::vector<std::string> rows;
    void AddItem(std::string s) { rows.push_back(std::move(s)); }
};

class ArchiveTest : public ::testing::Test {
protected:
    fakes::MemoryFiles files;
    MemoryFolder dir{files};
    fakes::FixedFolders folders{dir.str()};
    setup::Dezarhivator window{folders, files};
    std::string archive = dir / "data.set";

    void add(const std::string& name, const std::string& data) {
        dir.write("source.bin", data);
        EXPECT_TRUE(window.VekAdd(archive, dir / "source.bin", name)) << name;
    }
    std::vector<std::string> list(bool expectOk = true) {
        Names names;
        EXPECT_EQ(window.VekList(archive, names), expectOk);
        return names.rows;
    }
};

TEST_F(ArchiveTest, OneEntryExampleIsByteExact) {
    add("a.txt", "abc");
    EXPECT_EQ(dir.read("data.set"), std::string("\x61\x2E\x74\x78\x74\x00\x33\x00\x61\x62\x63", 11));
    EXPECT_EQ(list(), std::vector<std::string>{"a.txt"});
    ASSERT_TRUE(window.VekExtract(archive, "A.TXT", dir / "out"));
    EXPECT_EQ(dir.read("out"), "abc");
}

TEST_F(ArchiveTest, ZeroLengthEntryHasSizeZeroAndExtractsEmpty) {
    add("empty", "");
    add("next", "x");
    EXPECT_EQ(dir.read("data.set"), std::string("empty\0" "0\0" "next\0" "1\0x", 16));
    dir.write("out", "old contents");
    ASSERT_TRUE(window.VekExtract(archive, "empty", dir / "out"));
    EXPECT_TRUE(dir.holds("out"));
    EXPECT_EQ(dir.read("out"), "");
}

TEST_F(ArchiveTest, DuplicateNamesListTwiceAndTheFirstIsExtracted) {
    add("same.txt", "first");
    add("SAME.txt", "second");
    EXPECT_EQ(list(), (std::vector<std::string>{"same.txt", "SAME.txt"}));
    ASSERT_TRUE(window.VekExtract(archive, "Same.Txt", dir / "out"));
    EXPECT_EQ(dir.read("out"), "first");
}

// A reader finds a name's end within 256 bytes, so a longer name is refused
// rather than stored where no one could read it.
TEST_F(ArchiveTest, NameOf255BytesWorksAnd256BytesIsRefused) {
    const std::string n255(255, 'n'), n256(256, 'm');
    add("before", "b");
    add(n255, "ok");
    EXPECT_EQ(list(), (std::vector<std::string>{"before", n255}));
    ASSERT_TRUE(window.VekExtract(archive, n255, dir / "out"));
    EXPECT_EQ(dir.read("out"), "ok");

    dir.write("source.bin", "too long");
    EXPECT_FALSE(window.VekAdd(archive, dir / "source.bin", n256));
    EXPECT_EQ(list(), (std::vector<std::string>{"before", n255}));
    EXPECT_FALSE(window.VekExtract(archive, n256, dir / "out256"));
    EXPECT_FALSE(dir.holds("out256"));
}

TEST_F(ArchiveTest, ListingAppendsAfterExistingRows) {
    add("one", "1");
    add("two", "2");
    window.List1.AddItem("already here");
    ASSERT_TRUE(window.VekList(archive, window.List1));
    ASSERT_EQ(window.List1.ListCount(), 3);
    EXPECT_EQ(window.List1.List(0), "already here");
    EXPECT_EQ(window.List1.List(1), "one");
    EXPECT_EQ(window.List1.List(2), "two");
}

TEST_F(ArchiveTest, ExtractingOntoALongerFileLeavesOnlyTheEntry) {
    add("short", "xyz");
    dir.write("out", patternBytes(5000));
    ASSERT_TRUE(window.VekExtract(archive, "short", dir / "out"));
    EXPECT_EQ(dir.read("out"), "xyz");
    // Nothing of the temporary file is left beside it.
    EXPECT_EQ(dir.list(), "data.set;out;source.bin;");
}

TEST_F(ArchiveTest, MissingNameMissingArchiveAndEmptyArchiveFailCleanly) {
    add("present", "data");
    dir.write("keep", "untouched");
    EXPECT_FALSE(window.VekExtract(archive, "absent", dir / "keep"));
    EXPECT_FALSE(window.VekExtract(archive, "absent", dir / "new"));
    EXPECT_EQ(dir.read("keep"), "untouched");
    EXPECT_FALSE(dir.holds("new"));

    Names names;
    EXPECT_FALSE(window.VekList(dir / "nowhere.set", names));
    EXPECT_FALSE(window.VekExtract(dir / "nowhere.set", "present", dir / "keep"));

    dir.write("zero.set", "");
    EXPECT_TRUE(window.VekList(dir / "zero.set", names));
    EXPECT_TRUE(names.rows.empty());
    EXPECT_FALSE(window.VekExtract(dir / "zero.set", "", dir / "keep"));
    EXPECT_EQ(dir.read("keep"), "untouched");
}

TEST_F(ArchiveTest, AddStoresTheNameAsGivenAndFailsWithoutTouchingTheArchive) {
    add("", "nameless");  // a bare path gives an empty name, stored as such
    EXPECT_EQ(dir.read("data.set"), std::string("\0" "8\0nameless", 11));
    const std::string before = dir.read("data.set");
    EXPECT_FALSE(window.VekAdd(archive, dir / "no-such-file", "x"));
    EXPECT_FALSE(window.VekAdd(archive, dir / "source.bin", std::string("a\0b", 3)));
    EXPECT_EQ(dir.read("data.set"), before);
    EXPECT_FALSE(window.VekAdd(dir / "fresh.set", dir / "no-such-file", "x"));
    EXPECT_FALSE(dir.holds("fresh.set"));
}

// Each damaged archive: which rows listing still shows, and that extracting
// any name fails without touching an existing destination.
TEST_F(ArchiveTest, DamagedArchivesFailAndLeaveTheDestinationAlone) {
    const std::string good = entryBytes("good", "ok");
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {"negative size", good + std::string("bad\0-1\0", 8), {"good", "bad"}},
        {"plus sign", good + std::string("bad\0+2\0xy", 10), {"good", "bad"}},
        {"leading space", good + std::string("bad\0 2\0xy", 10), {"good", "bad"}},
        {"trailing space", good + std::string("bad\0" "2 \0xy", 10), {"good", "bad"}},
        {"fraction", good + std::string("bad\0" "2.0\0xy", 11), {"good", "bad"}},
        {"hex", good + std::string("bad\0&H2\0xy", 11), {"good", "bad"}},
        {"empty size", good + std::string("bad\0\0", 5), {"good", "bad"}},
        {"above 32 bits", good + std::string("bad\0" "2147483648\0", 15), {"good", "bad"}},
        {"eleven digits", good + std::string("bad\0" "00000000002\0xy", 18), {"good", "bad"}},
        {"largest size, data missing", good + std::string("bad\0" "2147483647\0", 15), {"good", "bad"}},
        {"data past end", good + std::string("bad\0" "5\0abc", 9), {"good", "bad"}},
        {"size unterminated", good + std::string("bad\0" "123", 7), {"good", "bad"}},
        {"size window without zero", good + "bad" + std::string(1, '\0') + std::string(300, '1'), {"good", "bad"}},
        {"name unterminated", good + std::string(300, 'n'), {"good"}},
        {"name cut short", good + "tail", {"good"}},
        {"first entry damaged", std::string("bad\0" "9\0ab", 8), {"bad"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("data.set", c.bytes);
        EXPECT_EQ(list(false), c.rows);
        dir.write("keep", "untouched");
        EXPECT_FALSE(window.VekExtract(archive, "bad", dir / "keep"));
        EXPECT_FALSE(window.VekExtract(archive, "missing", dir / "keep"));
        EXPECT_EQ(dir.read("keep"), "untouched");
        // An entry before the damage still extracts.
        if (c.bytes.starts_with(good)) {
            EXPECT_TRUE(window.VekExtract(archive, "good", dir / "good.out"));
            EXPECT_EQ(dir.read("good.out"), "ok");
        }
    }
}

TEST_F(ArchiveTest, SizeFieldWithLeadingZerosIsStillANumber) {
    dir.write("data.set", std::string("z\0" "003\0abc", 9));
    EXPECT_EQ(list(), std::vector<std::string>{"z"});
    ASSERT_TRUE(window.VekExtract(archive, "z", dir / "out"));
    EXPECT_EQ(dir.read("out"), "abc");
}

// A valid archive cut at every byte: listing succeeds only at an entry
// boundary, and an extraction that reports success wrote the whole entry.
TEST_F(ArchiveTest, EveryTruncationFailsCleanlyOrYieldsWholeEntries) {
    const std::vector<std::pair<std::string, std::string>> entries = {
        {"alpha.txt", "first entry"}, {"", ""}, {"b", patternBytes(40)}, {"long name.dat", "0123456789"}};
    std::string full;
    std::vector<std::size_t> boundaries{0};
    for (auto& [n, d] : entries) {
        full += entryBytes(n, d);
        boundaries.push_back(full.size());
    }
    for (std::size_t cut = 0; cut <= full.size(); ++cut) {
        SCOPED_TRACE(cut);
        dir.write("data.set", full.substr(0, cut));
        const bool atBoundary = std::find(boundaries.begin(), boundaries.end(), cut) != boundaries.end();
        Names names;
        EXPECT_EQ(window.VekList(archive, names), atBoundary);
        for (auto& [n, d] : entries) {
            dir.write("keep", "sentinel");
            if (window.VekExtract(archive, n, dir / "keep")) EXPECT_EQ(dir.read("keep"), d);
            else EXPECT_EQ(dir.read("keep"), "sentinel");
        }
    }
}

TEST(PathHelpers, FileNameOfAndFolderOf) {
    struct Case {
        const char* path;
        const char* fileName;
        const char* folder;
    };
    const Case cases[] = {
        {"C:\\a\\b.txt", "b.txt", "C:\\a\\"},
        {"C:/a/b.txt", "b.txt", "C:/a/"},
        {"C:\\a/b.txt", "b.txt", "C:\\a/"},
        {"C:/a\\b.txt", "b.txt", "C:/a\\"},
        {"b.txt", "", ""},
        {"", "", ""},
        {"C:\\a\\", "", "C:\\a\\"},
        {"\\", "", "\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(setup::FileNameOf(c.path), c.fileName) << c.path;
        EXPECT_EQ(setup::FolderOf(c.path), c.folder) << c.path;
    }
}

// On the real disk: the window over the standard file layer in a scratch folder.
class RealDiskArchiveTest : public ::testing::Test {
protected:
    ScratchFolder dir;
    platform::StandardFileSystem files;
    fakes::FixedFolders folders{dir.str()};
    setup::Dezarhivator window{folders, files};
    std::string archive = dir / "data.set";

    void add(const std::string& name, const std::string& data) {
        writeBytes(dir / "source.bin", data);
        EXPECT_TRUE(window.VekAdd(archive, dir / "source.bin", name)) << name;
    }
};

// Both ways of copying: the kernel's (where there is one) and the
// 1,000,000-byte chunks that every other system uses.
class ChunkedCopyTest : public RealDiskArchiveTest, public ::testing::WithParamInterface<bool> {
protected:
    fakes::ChunkedCopyFiles chunked{files};
    setup::Dezarhivator copier{folders, GetParam() ? static_cast<platform::FileSystem&>(files) : chunked};
};

INSTANTIATE_TEST_SUITE_P(KernelCopy, ChunkedCopyTest, ::testing::Values(true, false));

TEST_P(ChunkedCopyTest, EveryByteLandsInPlaceAcrossChunkBoundaries) {
    for (std::size_t size : {999'999u, 1'000'000u, 1'000'001u, 2'000'000u, 2'000'001u}) {
        SCOPED_TRACE(size);
        std::filesystem::remove(archive);
        const std::string data = patternBytes(size, static_cast<unsigned>(size));
        add("big.bin", data);
        add("after", "tail");
        EXPECT_EQ(readBytes(archive), entryBytes("big.bin", data) + entryBytes("after", "tail"));
        ASSERT_TRUE(copier.VekExtract(archive, "big.bin", dir / "big.out"));
        EXPECT_EQ(readBytes(dir / "big.out"), data);
        ASSERT_TRUE(copier.VekExtract(archive, "after", dir / "after.out"));
        EXPECT_EQ(readBytes(dir / "after.out"), "tail");
    }
}

// Positions are signed 32-bit: nothing may end beyond byte 2,147,483,647.
// Sparse files make the large sizes cheap.
TEST_F(RealDiskArchiveTest, NothingReachesBeyondTheLastSigned32BitPosition) {
    const std::string header("big\0" "2147483647\0", 15);
    writeBytes(archive, header);
    std::filesystem::resize_file(archive, header.size() + 2'147'483'647ull);
    Names names;
    EXPECT_FALSE(window.VekList(archive, names));
    EXPECT_EQ(names.rows, std::vector<std::string>{"big"});
    EXPECT_FALSE(window.VekExtract(archive, "big", dir / "out"));
    EXPECT_FALSE(exists(dir / "out"));

    writeBytes(archive, entryBytes("small", "12345"));
    writeBytes(dir / "huge", "");
    std::filesystem::resize_file(dir / "huge", 2'147'483'647ull - 20);
    EXPECT_FALSE(window.VekAdd(archive, dir / "huge", "huge"));
    EXPECT_EQ(readBytes(archive), entryBytes("small", "12345"));
}

TEST_F(RealDiskArchiveTest, AFolderIsNeitherAnArchiveNorAFileToAdd) {
    add("present", "data");
    const std::string before = readBytes(archive);
    Names names;
    EXPECT_FALSE(window.VekList(dir.str(), names));
    EXPECT_FALSE(window.VekAdd(archive, dir.str(), "folder"));
    EXPECT_EQ(readBytes(archive), before);
}

} // namespace
