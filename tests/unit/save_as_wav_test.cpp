// Saving from the window (the dialog's proposal, the timer-driven write, its
// progress window, every way it can end early) and from the command line.
#include "Lumetra/SaveAsWav.h"
#include "Lumetra/WavCommandLine.h"
#include "lumetra_form_fixture.h"
#include "scripted_message_boxes.h"
#include "scripted_save_dialog.h"

namespace {

using namespace lumetra;

constexpr std::size_t kOneMinuteBytes = 44 + 60 * 44100 * 4;

class SavingASession : public LumetraWindow {
protected:
    SavingASession() { desk.files.folders.insert("/music"); }

    // Writing a block takes 10 ms of the manual clock.
    long long slowNow() {
        clock.elapse(10);
        return clock.now();
    }
    void saveAs(const std::string& path, int lengthIndex = 0) {
        dialog.answers.push_back(platform::SaveAnswer{path, lengthIndex});
        saving.Save();
    }
    // Ticks until the write ends; the time the progress window first showed.
    long long runWrite() {
        long long shownAt = -1;
        for (int i = 0; i < 10000 && saving.writing(); ++i) {
            clock.advance(10);
            if (shownAt < 0 && saving.Progress.visible()) shownAt = clock.now();
        }
        return shownAt;
    }
    std::vector<std::string> filesIn(const std::string& folder) { return *desk.files.listFiles(folder); }

    fakes::ScriptedSaveDialog dialog;
    fakes::ScriptedMessageBoxes boxes;
    SaveAsWav saving{form, {dialog, boxes, desk.files, [this] { return slowNow(); }, nullptr}};
};

TEST_F(SavingASession, TheDialogProposesTheSourcesNameAndThirtyMinutesInTheLanguageBoxsLanguage) {
    struct Row {
        int language, preset, slider;
        const char *name, *title, *length, *first, *chosen, *item;
    };
    const Row rows[] = {
        {0, 4, -1, "Meditation deep 30 min.wav", "Save as WAV", "&Length:", "1 minute", "30 minutes", "Save as WAV..."},
        {1, 4, -1, "Meditatie adanc 30 min.wav", "Salveaza ca WAV", "&Durata:", "1 minut", "30 de minute",
         "Salveaza ca WAV..."},
        {0, -1, 12, "Custom 12 Hz 30 min.wav", "Save as WAV", "&Length:", "1 minute", "30 minutes", "Save as WAV..."},
    };
    for (const Row& row : rows) {
        form.Combo1.setListIndex(row.language);
        if (row.preset >= 0) pick(row.preset);
        if (row.slider >= 0) form.FreqSlider.setValue(row.slider);
        saving.Save();  // cancelled
        const platform::SaveRequest& asked = dialog.asked.back();
        EXPECT_EQ(asked.proposedName, row.name);
        EXPECT_EQ(asked.title, row.title);
        EXPECT_EQ(asked.choiceLabel, row.length);
        EXPECT_EQ(asked.choices.front(), row.first);
        EXPECT_EQ(asked.choices.at(static_cast<std::size_t>(asked.chosen)), row.chosen);
        EXPECT_EQ(asked.choices.size(), 10u);
        EXPECT_EQ(asked.choiceNames.front(), std::string(row.name).replace(asked.proposedName.find("30"), 2, "1"));
        EXPECT_EQ(saving.menuCaption(), row.item);
    }
    EXPECT_FALSE(saving.writing());
    EXPECT_TRUE(filesIn("/music").empty());
}

TEST_F(SavingASession, AWriteRunsOnTicksShowsItsProgressAfterHalfASecondAndLeavesOnlyTheFile) {
    saveAs("/music/session.wav");
    EXPECT_TRUE(saving.writing());
    const long long started = clock.now();
    const long long shownAt = runWrite();
    EXPECT_GE(shownAt - started, 500);
    EXPECT_FALSE(saving.Progress.visible());
    EXPECT_EQ(filesIn("/music"), (std::vector<std::string>{"session.wav"}));
    EXPECT_EQ(desk.files.files["/music/session.wav"].size(), kOneMinuteBytes);
    EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(SavingASession, CancelTheProgressWindowClosingOrTheMainWindowClosingLeaveTheOldFileAlone) {
    const std::function<void()> endings[] = {
        [this] { saving.Progress.Cancel.press(); },
        [this] { saving.Progress.unload(); },
        [this] { form.unload(); },
    };
    for (const auto& end : endings) {
        desk.files.files["/music/session.wav"] = "old";
        saveAs("/music/session.wav");
        while (!saving.Progress.visible()) clock.advance(10);
        end();
        clock.advance(10);
        EXPECT_FALSE(saving.writing());
        EXPECT_EQ(filesIn("/music"), (std::vector<std::string>{"session.wav"}));
        EXPECT_EQ(desk.files.files["/music/session.wav"], "old");
        form.load();
    }
}

TEST_F(SavingASession, AReadOnlyFolderOrAFullDiskSaysWhichFileAndWhyAndLeavesNothing) {
    struct Row {
        bool readOnly;
        std::optional<std::size_t> roomFor;  // each write stops after this many bytes
        const char* message;
    };
    const Row rows[] = {
        {true, std::nullopt, "Cannot write \"/music/session.wav\": Permission denied."},
        {false, 1000, "Cannot write \"/music/session.wav\": No space left on device."},
    };
    for (const Row& row : rows) {
        if (row.readOnly) desk.files.readOnlyFolders.insert("/music");
        desk.files.failWritesAfter = row.roomFor;
        saveAs("/music/session.wav");
        runWrite();
        ASSERT_EQ(boxes.asked.size(), 1u);
        EXPECT_EQ(boxes.asked[0].text, row.message);
        EXPECT_EQ(boxes.asked[0].title, "Save as WAV");
        EXPECT_FALSE(saving.writing() || saving.Progress.visible());
        EXPECT_TRUE(filesIn("/music").empty());
        desk.files.readOnlyFolders.clear();
        boxes.asked.clear();
    }
}

TEST(WavCommandLine, ABadValueNamesItselfAndNothingIsWritten) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{"/wav", "a.wav", "/minutes", "0"}, "Bad /minutes value \"0\": it takes a whole number of minutes from 1 to 120."},
        {{"/wav", "a.wav", "/preset", "12"}, "Bad /preset value \"12\": it takes a preset's place in the list, 1 to 11."},
        {{"/wav", "a.wav", "/beat", "7.5"}, "Bad /beat value \"7.5\": it takes a beat of 0 to 30 Hz, as on the slider."},
        {{"/wav", "a.wav", "/volume", "5"}, "Bad /volume value \"5\": it takes a volume from 0 (full) down to -10000 (silence)."},
        {{"/wav", "a.wav", "/beat", "3", "/preset", "2"}, "/preset and /beat name two tone sources: give one."},
        {{"/wav", "a.wav", "/volume"}, "/volume needs a value."},
        {{"/minutes", "5"}, "No file given to /wav."},
        {{"/wav", "a.wav", "/speed", "2"}, "Unknown argument \"/speed\"."},
    };
    for (const auto& [args, message] : rows) {
        fakes::FakeSoundSystem sound;
        fakes::FakeWindowPlatform desk;
        Form1 form(sound, desk.platform());
        const WavCommandResult result = runWavCommandLine(args, form, desk.files);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.message.substr(0, result.message.find('\n')), message);
        EXPECT_EQ(desk.files.files.size(), 0u);
    }
}

// The saved slider (12) was the last tone source; switches replace it.
TEST(WavCommandLine, SwitchesOverTheSavedSettingsGiveWhatStartWouldPlay) {
    struct Row {
        std::vector<std::string> args;
        ToneSession expected;
    };
    const Row rows[] = {
        {{"/wav", "/prog/a.wav"}, {13397, 13770, false, -1200}},
        // Sleep induction shows a beat of 12: the slider stays and so does its rate.
        {{"/WAV", "/prog/a.wav", "/preset", "10", "/volume", "0"}, {13397, 13780, true, 0}},
        {{"/wav", "/prog/a.wav", "/preset", "1"}, {13397, 14070, false, -1200}},
        {{"/wav", "/prog/a.wav", "/beat", "21", "/Minutes", "2"}, {13397, 14070, false, -1200}},
    };
    for (const Row& row : rows) {
        fakes::FakeSoundSystem sound;
        fakes::FakeWindowPlatform desk;
        desk.writeSettings("-1200\r\n0\r\n12\r\n");
        Form1 form(sound, desk.platform());
        const ParsedWavCommand parsed = parseWavCommand(row.args);
        ASSERT_TRUE(parsed.command) << parsed.error;
        form.load();
        const ToneSession s = sessionStartWouldPlay(withSwitches(*parsed.command, startInputsOf(form)));
        EXPECT_EQ((std::vector<int>{s.leftRate, s.rightRate, s.glides, s.volume}),
                  (std::vector<int>{row.expected.leftRate, row.expected.rightRate, row.expected.glides,
                                    row.expected.volume}));
    }
}

TEST_F(SavingASession, TheCommandLineWritesTheSameBytesAsTheWindowForTheSameSettings) {
    saveAs("/music/window.wav");
    runWrite();
    Form1 fresh(sound, desk.platform());
    const WavCommandResult result = runWavCommandLine({"/wav", "/music/line.wav", "/minutes", "1"}, fresh, desk.files);
    ASSERT_EQ(result.exitCode, 0) << result.message;
    EXPECT_EQ(desk.files.files["/music/line.wav"].size(), kOneMinuteBytes);
    EXPECT_TRUE(desk.files.files["/music/line.wav"] == desk.files.files["/music/window.wav"]);
}

} // namespace
