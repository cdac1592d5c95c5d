// Settings lines between a file and a list: what loading reads, what saving
// writes, and that a failed save never damages the file already there.
#include "Lumetra/DataClass.h"

#include "forms/form.h"
#include "forms/lists.h"
#include "memory_files.h"
#include "platform/standard_files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using lumetra::DataClass;

std::vector<std::string> items(const forms::ListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
    return out;
}

struct DataClassOnDisk : ::testing::Test {
    TempFolder folder;
    platform::StandardFileSystem files;
    DataClass data{files};
    forms::Form form{"Form1"};
    forms::ListBox Setari{form, "Setari"};
    std::string settings = folder / "settings.ini";
};

TEST_F(DataClassOnDisk, LoadingReadsEachKindOfLineEnd) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"CR LF", "-2800\r\n0\r\n12\r\n", {"-2800", "0", "12"}},
        {"CR alone", "-2800\r0\r12\r", {"-2800", "0", "12"}},
        {"LF alone", "-2800\n0\n12\n", {"-2800", "0", "12"}},
        {"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"no line end after the last line", "-2800\r\n1245", {"-2800", "1245"}},
        {"spaces at the end removed, at the start kept", "  -2800  \r\n 1 \r\n", {"  -2800", " 1"}},
        {"only spaces are trimmed", "x\t \r\n", {"x\t"}},
        {"empty lines are lines", "\r\n\r\nb\r\n", {"", "", "b"}},
        {"one line end", "\r\n", {""}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder::write(settings, c.bytes);
        Setari.Clear();
        data.IncarcaData(settings, Setari);
        EXPECT_EQ(items(Setari), c.lines);
    }
}

TEST_F(DataClassOnDisk, LoadingAppendsAfterWhatTheListHolds) {
    TempFolder::write(settings, "1\r\n2\r\n");
    Setari.AddItem("kept");
    data.IncarcaData(settings, Setari);
    EXPECT_EQ(items(Setari), (std::vector<std::string>{"kept", "1", "2"}));
}

TEST_F(DataClassOnDisk, NothingToReadAddsNothing) {
    data.IncarcaData(folder / "missing.ini", Setari);
    data.IncarcaData("", Setari);
    data.IncarcaData(folder.path(), Setari);  // a folder, not a file
    EXPECT_EQ(Setari.ListCount(), 0);
}

// A list that refuses its third item.
struct RefusingList {
    std::vector<std::string> lines;
    void AddItem(std::string text) {
        if (lines.size() == 2) rt::raise(7, "out of memory");
        lines.push_back(std::move(text));
    }
    int ListCount() const { return static_cast<int>(lines.size()); }
    const std::string& List(int i) const { return lines.at(static_cast<std::size_t>(i)); }
};

TEST_F(DataClassOnDisk, TheFirstErrorLeavesWithWhatWasReadSoFar) {
    TempFolder::write(settings, "a\r\nb\r\nc\r\nd\r\n");
    RefusingList list;
    EXPECT_NO_THROW(data.IncarcaData(settings, list));
    EXPECT_EQ(list.lines, (std::vector<std::string>{"a", "b"}));
}

TEST_F(DataClassOnDisk, SavingWritesEachItemWithCrLfAndNothingElse) {
    TempFolder::write(settings, "an older and much longer file\r\nwith\r\nmore\r\nlines\r\nin it\r\nand more\r\n");
    for (const char* v : {"-2800", "0", "12", "1830", "1245.5"}) Setari.AddItem(v);
    EXPECT_TRUE(data.SalveazaData(settings, Setari));
    EXPECT_EQ(TempFolder::read(settings), "-2800\r\n0\r\n12\r\n1830\r\n1245.5\r\n");
    EXPECT_FALSE(std::filesystem::exists(platform::temporaryPathFor(settings)));

    Setari.Clear();
    EXPECT_TRUE(data.SalveazaData(settings, Setari));
    EXPECT_EQ(TempFolder::read(settings), "");
}

TEST_F(DataClassOnDisk, WhatIsSavedLoadsBackTheSame) {
    const std::vector<std::string> lines = {"-10000", "1", "30", "-450.25", " 7"};
    for (const auto& l : lines) Setari.AddItem(l);
    ASSERT_TRUE(data.SalveazaData(settings, Setari));
    forms::ListBox again(form, "again");
    data.IncarcaData(settings, again);
    EXPECT_EQ(items(again), lines);
}

TEST_F(DataClassOnDisk, AFailedSaveLeavesTheOldFileAsItWas) {
    TempFolder::write(settings, "old\r\n");
    Setari.AddItem("new");
    // A name in use for the temporary file is passed over and left alone;
    // when every name is taken the save gives up, and the old file stays.
    std::filesystem::create_directory(platform::temporaryPathFor(settings, 0));
    TempFolder::write(platform::temporaryPathFor(settings, 1), "someone else's");
    EXPECT_TRUE(data.SalveazaData(settings, Setari));
    EXPECT_EQ(TempFolder::read(settings), "new\r\n");
    EXPECT_EQ(TempFolder::read(platform::temporaryPathFor(settings, 1)), "someone else's");
    for (int n = 2; n < platform::kTemporaryAttempts; ++n) std::filesystem::create_directory(platform::temporaryPathFor(settings, n));
    Setari.AddItem("newer");
    EXPECT_FALSE(data.SalveazaData(settings, Setari));
    EXPECT_EQ(TempFolder::read(settings), "new\r\n");

    EXPECT_FALSE(data.SalveazaData(folder / "no such folder/settings.ini", Setari));
    EXPECT_FALSE(data.SalveazaData("", Setari));
}

// A damaged or huge file costs no more than a good one: loading takes the
// first five whole lines within the first 64 KB and reads nothing beyond.
TEST(DataClassLoading, DamagedFilesGiveTheirFirstWholeLinesAndAreReadOnlyInPart) {
    const std::string good = "-1500\r\n0\r\n7\r\n1830\r\n1245\r\n";
    std::string manyLines = good;
    for (int i = 0; i < 5000; ++i) manyLines += "9\r\n";
    const std::string binary("\xff\xfe-1500\0\r\n\x80\r\n", 13);
    std::string binaryTail = "-1500\r\n0\r\n7\r\n";
    for (int i = 0; i < 100000; ++i) binaryTail += static_cast<char>(0x80 + i % 0x80);
    const std::string hugeLine(1'000'000, '7');
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"5,000 lines", manyLines, {"-1500", "0", "7", "1830", "1245"}},
        {"binary bytes kept inside their lines", binary, {std::string("\xff\xfe-1500\0", 8), "\x80"}},
        {"100 KB of binary bytes after three lines", binaryTail, {"-1500", "0", "7"}},
        {"one huge line", hugeLine, {}},
        {"one huge line after the settings", good + hugeLine, {"-1500", "0", "7", "1830", "1245"}},
        // Cut at the bound, "-1500" and spaces would read as a volume.
        {"a line the bound cuts", "0\r\n-1500" + std::string(70000, ' ') + "x\r\n", {"0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::MemoryFiles files;
        files.folders = {"/prog"};
        files.files["/prog/settings.ini"] = c.bytes;
        DataClass data(files);
        forms::Form form("Form1");
        forms::ListBox Setari(form, "Setari");
        data.IncarcaData("/prog/settings.ini", Setari);
        EXPECT_EQ(items(Setari), c.lines);
        EXPECT_LE(files.bytesRead, lumetra::kSettingsBytesRead);
    }
}

struct DataClassInMemory : ::testing::Test {
    fakes::MemoryFiles files;
    DataClass data{files};
    forms::Form form{"Form1"};
    forms::ListBox Setari{form, "Setari"};
    const std::string settings = "/prog/settings.ini";

    DataClassInMemory() {
        files.folders = {"/prog"};
        files.files[settings] = "old 1\r\nold 2\r\n";
        for (const char* v : {"-2800", "0", "12", "1830", "1245"}) Setari.AddItem(v);
    }
};

TEST_F(DataClassInMemory, AWriteCutShortLeavesTheOldFileWhole) {
    files.failWritesAfter = 7;
    EXPECT_FALSE(data.SalveazaData(settings, Setari));
    EXPECT_EQ(files.files[settings], "old 1\r\nold 2\r\n");
    EXPECT_EQ(files.files.count(platform::temporaryPathFor(settings)), 0u) << "the partial file is removed";
}

TEST_F(DataClassInMemory, AFailedRenameLeavesTheOldFileWhole) {
    files.failReplace = true;
    EXPECT_FALSE(data.SalveazaData(settings, Setari));
    EXPECT_EQ(files.files[settings], "old 1\r\nold 2\r\n");
    EXPECT_EQ(files.files.count(platform::temporaryPathFor(settings)), 0u);
}

// A list with an item that cannot be read: that item is skipped, the rest saved.
struct ListWithABadItem {
    int ListCount() const { return 3; }
    const std::string& List(int i) const {
        static const std::string texts[] = {"first", "", "third"};
        if (i == 1) rt::raise(rt::SubscriptOutOfRange);
        return texts[i];
    }
};

TEST_F(DataClassInMemory, AnItemThatCannotBeReadIsSkipped) {
    EXPECT_TRUE(data.SalveazaData(settings, ListWithABadItem{}));
    EXPECT_EQ(files.files[settings], "first\r\nthird\r\n");
}

} // namespace
