// The archive window: its load, its buttons and the one-entry-per-tick walk,
// driven by a manual clock over the in-memory file layer.
#include "Unpacker/Dezarhivator.h"
#include "archive_test_support.h"
#include "fixed_folders.h"
#include "support/manual_clock.h"
#include "memory_folder.h"

#include <gtest/gtest.h>

using namespace archive_test;

namespace {

class WalkTest : public ::testing::Test {
protected:
    fakes::MemoryFiles files;
    MemoryFolder program{files, "C:\\Setup"};  // where the program and its data.set lie
    MemoryFolder install{files, "C:\\Install"};
    fakes::FixedFolders folders{program.str()};
    forms::Form installer{"Form1"};
    forms::TextBox Cale{installer, "Cale"};
    setup::Dezarhivator window{folders, files};
    forms::ManualClock clock;

    void package(const std::vector<std::pair<std::string, std::string>>& entries) {
        std::string bytes;
        for (auto& [n, d] : entries) bytes += entryBytes(n, d);
        program.write("data.set", bytes);
    }
    void start() {
        Cale.setText(install.str());
        window.setInstallFolderBox(&Cale);
        clock.attach(window);
        window.load();
    }
};

TEST_F(WalkTest, LoadListsThePackageBesideTheProgramIntoBothLists) {
    package({{"Corvane Lumetra.exe", "MZ main"}, {"Uninstall.exe", "MZ un"}});
    start();
    EXPECT_EQ(window.Text2.text(), program / "data.set");
    ASSERT_EQ(window.List1.ListCount(), 2);
    ASSERT_EQ(window.List2.ListCount(), 2);
    EXPECT_EQ(window.List2.List(1), "Uninstall.exe");
    EXPECT_EQ(window.ExtractIndex, 0);
    EXPECT_FALSE(window.Extractor.enabled());
    EXPECT_EQ(window.Extractor.interval(), 10);
    EXPECT_EQ(window.caption(), "Dezarhivator");
}

TEST_F(WalkTest, WalkOverAnEmptyListStopsAtItsFirstTick) {
    start();  // no data.set: both lists stay empty
    window.ExtrageFisierele();
    EXPECT_TRUE(window.Extractor.enabled());
    clock.advance(10);
    EXPECT_FALSE(window.Extractor.enabled());
    EXPECT_EQ(window.ExtractIndex, 0);
    EXPECT_EQ(install.list(), "");
}

TEST_F(WalkTest, OneEntryPerTickInArchiveOrderThenStops) {
    package({{"a.txt", "AAA"}, {"b.bin", patternBytes(1'000'001)}, {"c", ""}});
    start();
    window.Command3.press();  // "Extract"
    clock.advance(10);
    EXPECT_EQ(window.ExtractIndex, 1);
    EXPECT_EQ(window.Text1.text(), "a.txt");
    EXPECT_EQ(window.Text4.text(), program / "a.txt");
    EXPECT_EQ(window.List2.listIndex(), 0);
    EXPECT_EQ(install.list(), "a.txt;");
    EXPECT_EQ(install.read("a.txt"), "AAA");

    clock.advance(10);
    EXPECT_EQ(install.read("b.bin"), patternBytes(1'000'001));
    EXPECT_TRUE(window.Extractor.enabled());
    clock.advance(10);
    EXPECT_EQ(window.ExtractIndex, 3);
    EXPECT_FALSE(window.Extractor.enabled());  // stopped by itself after the last row
    EXPECT_EQ(install.list(), "a.txt;b.bin;c;");

    // A walk at its end stays there.
    window.ExtrageFisierele();
    clock.advance(100);
    EXPECT_EQ(window.ExtractIndex, 3);
    EXPECT_FALSE(window.Extractor.enabled());
}

TEST_F(WalkTest, UnsafeOrFailingEntriesAreSkippedAndTheWalkGoesOn) {
    program.write("evil.exe", "outside, untouched");
    package({{"..\\evil.exe", "overwritten!"}, {"../evil.exe", "overwritten!"}, {"CON", "device"},
             {"", "nameless"}, {"ok.txt", "fine"}});
    start();
    window.ExtrageFisierele();
    for (int tick = 0; tick < 10 && window.Extractor.enabled(); ++tick) clock.advance(10);
    EXPECT_EQ(window.ExtractIndex, 5);
    EXPECT_EQ(install.list(), "ok.txt;");
    EXPECT_EQ(program.read("evil.exe"), "outside, untouched");
    EXPECT_EQ(program.list(), "data.set;evil.exe;");
}

TEST_F(WalkTest, WithoutAnInstallFolderNothingIsWritten) {
    package({{"name", "x"}});
    start();
    Cale.setText("");  // "" & "\" & name would be the root of the drive
    files.folders.insert("");  // the current folder: a write there would succeed
    window.ExtrageFisierele();
    clock.advance(10);
    EXPECT_EQ(window.ExtractIndex, 1);
    EXPECT_EQ(files.files.size(), 1u) << "only the package";
}

TEST_F(WalkTest, DestinationFollowsTheInstallFolderBoxAtEachStep) {
    package({{"one", "1"}, {"two", "2"}});
    start();
    window.ExtrageFisierele();
    clock.advance(10);
    MemoryFolder other{files, "C:\\Other"};
    Cale.setText(other.str() + "\\");  // a trailing separator is not doubled
    clock.advance(10);
    EXPECT_EQ(install.list(), "one;");
    EXPECT_EQ(other.list(), "two;");
}

TEST_F(WalkTest, AddAppendsTheTypedFileUnderItsFileNameAndListClickShowsAPath) {
    start();
    program.write("payload.txt", "hello");
    window.Text2.setText(program / "made.set");
    window.Text1.setText(program / "payload.txt");
    window.Command1.press();  // "Add"
    EXPECT_EQ(program.read("made.set"), entryBytes("payload.txt", "hello"));

    window.List1.AddItem("payload.txt");
    window.List1.setListIndex(0);
    EXPECT_EQ(window.Text4.text(), program / "payload.txt");
}

} // namespace
