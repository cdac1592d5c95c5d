// The archive format, add/list/extract and the path helpers, on real files.
#include "Unpacker/Dezarhivator.h"
#include "Unpacker/ModDezarhivator.h"
#include "Package/archive_ops.h"
#include "Package/archive_writer.h"
#include "platform/standard_files.h"
#include "archive_test_support.h"
#include "fixed_folders.h"

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
    ScratchFolder dir;
    fakes::FixedFolders folders{dir.str()};
    setup::Dezarhivator window{folders};
    std::string archive = dir / "data.set";

    std::string add(const std::string& name, const std::string& data) {
        const std::string source = dir / "source.bin";
        writeBytes(source, data);
        EXPECT_TRUE(window.VekAdd(archive, source, name)) << name;
        return source;
    }
    std::vector<std::string> list(bool expectOk = true) {
        Names names;
        EXPECT_EQ(window.VekList(archive, names), expectOk);
        return names.rows;
    }
};

TEST_F(ArchiveTest, OneEntryExampleIsByteExact) {
    add("a.txt", "abc");
    EXPECT_EQ(readBytes(archive), std::string("\x61\x2E\x74\x78\x74\x00\x33\x00\x61\x62\x63", 11));
    EXPECT_EQ(list(), std::vector<std::string>{"a.txt"});
    ASSERT_TRUE(window.VekExtract(archive, "A.TXT", dir / "out"));
    EXPECT_EQ(readBytes(dir / "out"), "abc");
}

// Both ways of copying: the kernel's (where there is one) and the
// 1,000,000-byte chunks that every other system uses.
class ChunkedCopyTest : public ArchiveTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override { platform::StandardFileSystem::allowKernelCopy(GetParam()); }
    void TearDown() override { platform::StandardFileSystem::allowKernelCopy(true); }
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
        ASSERT_TRUE(window.VekExtract(archive, "big.bin", dir / "big.out"));
        EXPECT_EQ(readBytes(dir / "big.out"), data);
        ASSERT_TRUE(window.VekExtract(archive, "after", dir / "after.out"));
        EXPECT_EQ(readBytes(dir / "after.out"), "tail");
    }
}

TEST_F(ArchiveTest, ZeroLengthEntryHasSizeZeroAndExtractsEmpty) {
    add("empty", "");
    add("next", "x");
    EXPECT_EQ(readBytes(archive), std::string("empty\0" "0\0" "next\0" "1\0x", 16));
    writeBytes(dir / "out", "old contents");
    ASSERT_TRUE(window.VekExtract(archive, "empty", dir / "out"));
    EXPECT_TRUE(exists(dir / "out"));
    EXPECT_EQ(readBytes(dir / "out"), "");
}

TEST_F(ArchiveTest, DuplicateNamesListTwiceAndTheFirstIsExtracted) {
    add("same.txt", "first");
    add("SAME.txt", "second");
    EXPECT_EQ(list(), (std::vector<std::string>{"same.txt", "SAME.txt"}));
    ASSERT_TRUE(window.VekExtract(archive, "Same.Txt", dir / "out"));
    EXPECT_EQ(readBytes(dir / "out"), "first");
}

// A reader finds a name's end within 256 bytes, so a longer name is refused
// rather than stored where no one could read it.
TEST_F(ArchiveTest, NameOf255BytesWorksAnd256BytesIsRefused) {
    const std::string n255(255, 'n'), n256(256, 'm');
    add("before", "b");
    add(n255, "ok");
    EXPECT_EQ(list(), (std::vector<std::string>{"before", n255}));
    ASSERT_TRUE(window.VekExtract(archive, n255, dir / "out"));
    EXPECT_EQ(readBytes(dir / "out"), "ok");

    writeBytes(dir / "source.bin", "too long");
    EXPECT_FALSE(window.VekAdd(archive, dir / "source.bin", n256));
    EXPECT_EQ(list(), (std::vector<std::string>{"before", n255}));
    EXPECT_FALSE(window.VekExtract(archive, n256, dir / "out256"));
    EXPECT_FALSE(exists(dir / "out256"));
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
    writeBytes(dir / "out", patternBytes(5000));
    ASSERT_TRUE(window.VekExtract(archive, "short", dir / "out"));
    EXPECT_EQ(readBytes(dir / "out"), "xyz");
    // Nothing of the temporary file is left beside it.
    EXPECT_EQ(listFolder(dir.str()), "data.set;out;source.bin;");
}

TEST_F(ArchiveTest, MissingNameMissingArchiveAndEmptyArchiveFailCleanly) {
    add("present", "data");
    writeBytes(dir / "keep", "untouched");
    EXPECT_FALSE(window.VekExtract(archive, "absent", dir / "keep"));
    EXPECT_FALSE(window.VekExtract(archive, "absent", dir / "new"));
    EXPECT_EQ(readBytes(dir / "keep"), "untouched");
    EXPECT_FALSE(exists(dir / "new"));

    Names names;
    EXPECT_FALSE(window.VekList(dir / "nowhere.set", names));
    EXPECT_FALSE(window.VekExtract(dir / "nowhere.set", "present", dir / "keep"));
    EXPECT_FALSE(window.VekList(dir.str(), names));  // a folder is not an archive

    writeBytes(dir / "zero.set", "");
    EXPECT_TRUE(window.VekList(dir / "zero.set", names));
    EXPECT_TRUE(names.rows.empty());
    EXPECT_FALSE(window.VekExtract(dir / "zero.set", "", dir / "keep"));
    EXPECT_EQ(readBytes(dir / "keep"), "untouched");
}

TEST_F(ArchiveTest, AddStoresTheNameAsGivenAndFailsWithoutTouchingTheArchive) {
    add("", "nameless");  // a bare path gives an empty name, stored as such
    EXPECT_EQ(readBytes(archive), std::string("\0" "8\0nameless", 11));
    const std::string before = readBytes(archive);
    EXPECT_FALSE(window.VekAdd(archive, dir / "no-such-file", "x"));
    EXPECT_FALSE(window.VekAdd(archive, dir.str(), "folder"));
    EXPECT_FALSE(window.VekAdd(archive, dir / "source.bin", std::string("a\0b", 3)));
    EXPECT_EQ(readBytes(archive), before);
    EXPECT_FALSE(window.VekAdd(dir / "fresh.set", dir / "no-such-file", "x"));
    EXPECT_FALSE(exists(dir / "fresh.set"));
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
        writeBytes(archive, c.bytes);
        EXPECT_EQ(list(false), c.rows);
        writeBytes(dir / "keep", "untouched");
        EXPECT_FALSE(window.VekExtract(archive, "bad", dir / "keep"));
        EXPECT_FALSE(window.VekExtract(archive, "missing", dir / "keep"));
        EXPECT_EQ(readBytes(dir / "keep"), "untouched");
        // An entry before the damage still extracts.
        if (c.bytes.starts_with(good)) {
            EXPECT_TRUE(window.VekExtract(archive, "good", dir / "good.out"));
            EXPECT_EQ(readBytes(dir / "good.out"), "ok");
        }
    }
}

// Positions are signed 32-bit: nothing may end beyond byte 2,147,483,647.
// Sparse files make the large sizes cheap.
TEST_F(ArchiveTest, NothingReachesBeyondTheLastSigned32BitPosition) {
    const std::string header("big\0" "2147483647\0", 15);
    writeBytes(archive, header);
    std::filesystem::resize_file(archive, header.size() + 2'147'483'647ull);
    EXPECT_EQ(list(false), std::vector<std::string>{"big"});
    EXPECT_FALSE(window.VekExtract(archive, "big", dir / "out"));
    EXPECT_FALSE(exists(dir / "out"));

    writeBytes(archive, entryBytes("small", "12345"));
    writeBytes(dir / "huge", "");
    std::filesystem::resize_file(dir / "huge", 2'147'483'647ull - 20);
    EXPECT_FALSE(window.VekAdd(archive, dir / "huge", "huge"));
    EXPECT_EQ(readBytes(archive), entryBytes("small", "12345"));
}

TEST_F(ArchiveTest, SizeFieldWithLeadingZerosIsStillANumber) {
    writeBytes(archive, std::string("z\0" "003\0abc", 9));
    EXPECT_EQ(list(), std::vector<std::string>{"z"});
    ASSERT_TRUE(window.VekExtract(archive, "z", dir / "out"));
    EXPECT_EQ(readBytes(dir / "out"), "abc");
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
        writeBytes(archive, full.substr(0, cut));
        const bool atBoundary = std::find(boundaries.begin(), boundaries.end(), cut) != boundaries.end();
        Names names;
        EXPECT_EQ(window.VekList(archive, names), atBoundary);
        for (auto& [n, d] : entries) {
            writeBytes(dir / "keep", "sentinel");
            if (window.VekExtract(archive, n, dir / "keep")) EXPECT_EQ(readBytes(dir / "keep"), d);
            else EXPECT_EQ(readBytes(dir / "keep"), "sentinel");
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

} // namespace
