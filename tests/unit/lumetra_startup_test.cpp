// Start-up of the main window from the settings file: what each kind of file
// restores, what is skipped, and where a saved position is not used.
#include "Lumetra/Form1.h"
#include "fake_sound.h"
#include "fake_window_platform.h"

#include "core/conversions.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kRomanianPrompt = "Alege o stare si apoi apasa Start:";
constexpr const char* kEnglishPrompt = "Chose a mental state and press Start:";

struct Startup : ::testing::Test {
    fakes::FakeSoundSystem sound;
    fakes::FakeWindowPlatform desk;
    std::unique_ptr<lumetra::Form1> form;

    lumetra::Form1& open(std::optional<std::string> settings) {
        if (settings) desk.writeSettings(*settings);
        form = std::make_unique<lumetra::Form1>(sound, desk.platform());
        form->load();
        return *form;
    }
};

TEST_F(Startup, EachKindOfSettingsFileRestoresWhatItCanAndSkipsTheRest) {
    struct Row {
        const char* name;
        std::optional<std::string> file;
        int volume, language, slider;
        std::optional<float> left, top;  // none: the system places the window
    };
    const Row rows[] = {
        {"no file", std::nullopt, -2800, -1, 21, {}, {}},
        {"English", "-1500\r\n0\r\n7\r\n1830\r\n1245\r\n", -1500, 0, 7, 1830, 1245},
        {"Romanian", "-1500\r\n1\r\n7\r\n1830\r\n1245\r\n", -1500, 1, 7, 1830, 1245},
        {"no language", "-1500\r\n-1\r\n7\r\n1830\r\n1245\r\n", -1500, -1, 7, 1830, 1245},
        {"spaces around the numbers", " -2800 \r\n 0 \r\n 12 \r\n 1830.5 \r\n 1245 ", -2800, 0, 12, 1830.5f, 1245},
        {"halves to even (2.5)", "-1000.5\r\n0.5\r\n2.5\r\n1830\r\n1245\r\n", -1000, 0, 2, 1830, 1245},
        {"halves to even (3.5)", "-999.5\r\n1.5\r\n3.5\r\n1830\r\n1245\r\n", -1000, -1, 4, 1830, 1245},
        {"more than five lines", "-1500\r\n0\r\n7\r\n1830\r\n1245\r\nextra\r\n9\r\n", -1500, 0, 7, 1830, 1245},
        {"two lines", "-1500\r\n1\r\n", -1500, 1, 21, {}, {}},
        {"four lines", "-1500\r\n1\r\n7\r\n1830\r\n", -1500, 1, 7, 1830, 0},
        {"text that does not convert", "loud\r\nxx\r\n7\r\nleft\r\n1245\r\n", -2800, -1, 7, 0, 1245},
        {"values the controls refuse", "-10001\r\n2\r\n31\r\n1830\r\n1245\r\n", -2800, -1, 21, 1830, 1245},
        {"too large for their types", "40000\r\n70000\r\n3000000000\r\n1830\r\n1245\r\n", -2800, -1, 21, 1830, 1245},
        {"empty lines", "\r\n\r\n\r\n\r\n\r\n", -2800, -1, 21, {}, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        desk.files.files.clear();
        lumetra::Form1& f = open(r.file);
        EXPECT_EQ(f.VScroll1.value(), r.volume);
        EXPECT_EQ(f.Combo1.listIndex(), r.language);
        EXPECT_EQ(f.FreqSlider.value(), r.slider);
        EXPECT_EQ(f.positioned(), r.left.has_value());
        if (r.left) {
            EXPECT_EQ(f.left(), *r.left);
            EXPECT_EQ(f.top(), *r.top);
        }
        const bool english = r.language == 0;
        EXPECT_EQ(f.Label3.caption(), english ? kEnglishPrompt : kRomanianPrompt);
        EXPECT_EQ(f.MentalState.ListCount(), 11);
        EXPECT_TRUE(f.MentalState.selected(0));
        EXPECT_EQ(f.MentalState.listIndex(), 0);
        EXPECT_EQ(f.Label17.caption(), english ? "Attention focusing" : "Atent, concentrat");
        // Whatever the file held, the combo shows a language.
        EXPECT_EQ(f.Combo1.text(), r.language == 1 ? "Romana" : "English");
    }
}

TEST_F(Startup, WithoutAFileTheWindowIsOutlinedAndNothingSounds) {
    lumetra::Form1& f = open(std::nullopt);
    EXPECT_FALSE(f.CustomMode);
    EXPECT_FALSE(f.TimerEcran.enabled());
    ASSERT_TRUE(f.region().has_value());
    EXPECT_EQ(*f.region(), (forms::Form::RoundRegion{691, 431, 11}));
    EXPECT_TRUE(sound.log.empty());
}

// The slider's own routine runs while the settings are restored: a saved
// position other than the design one makes the slider the tone source, while
// the first preset is still ticked and named.
TEST_F(Startup, ARestoredSliderPositionMakesTheSliderTheToneSource) {
    EXPECT_FALSE(open("-2800\r\n0\r\n21\r\n").CustomMode);

    lumetra::Form1& f = open("-2800\r\n0\r\n7\r\n");
    EXPECT_TRUE(f.CustomMode);
    EXPECT_EQ(f.HScroll1.value(), 13397);
    EXPECT_EQ(f.HScroll2.value(), 13600);
    EXPECT_EQ(f.Label17.caption(), "Attention focusing");
}

// At 15 twips a pixel the close picture's right edge lies 677 pixels right of
// the window's left, the minimize picture's left edge 631: what must stay on
// the work areas spans 531 to 677 across and 2 to 23 down.
TEST_F(Startup, ASavedPositionIsUsedOnlyWhereItLeavesTheWindowReachable) {
    using Screens = std::vector<platform::PixelRect>;
    const Screens one{{0, 0, 1280, 1024}};
    const Screens taskBarBelow{{0, 0, 1280, 984}};
    const Screens sideBySide{{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}};
    const Screens shorterRight{{0, 0, 1280, 1024}, {1280, 0, 2560, 600}};
    const Screens oneToTheLeft{{-1920, 0, 0, 1080}, {0, 0, 1280, 1024}};
    struct Row {
        const char* name;
        std::string left, top;
        const Screens& screens;
        bool used;
    };
    const Row rows[] = {
        {"inside the screen", "1830", "1245", one, true},
        {"most of it off the left edge", "-6000", "1245", one, true},
        {"100 pixels of title strip left", "-7965", "1245", one, true},
        {"99 pixels of title strip left", "-7980", "1245", one, false},
        {"far up and left, a corner showing", "-10300", "-6400", one, false},
        {"title strip above the screen", "-1000", "-1000", one, false},
        {"pictures at the top edge", "1830", "-30", one, true},
        {"pictures cut by the top edge", "1830", "-45", one, false},
        {"close picture at the right edge", "9045", "1245", one, true},
        {"close picture cut by the right edge", "9060", "1245", one, false},
        {"title strip low on the screen", "1830", "14550", one, true},
        {"title strip behind the task bar", "1830", "14550", taskBarBelow, false},
        {"on a second screen that is not there", "22500", "1245", one, false},
        {"on a second screen", "22500", "1245", sideBySide, true},
        {"across two screens", "10200", "1245", sideBySide, true},
        {"across into a shorter screen's gap", "10200", "10500", shorterRight, false},
        {"on a screen left of the main one", "-15000", "1245", oneToTheLeft, true},
        {"beyond any pixel coordinate", "1E+30", "0", sideBySide, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        fakes::FakeSoundSystem s;
        fakes::FakeWindowPlatform d;
        d.monitors.screens = r.screens;
        d.writeSettings("-2800\r\n0\r\n21\r\n" + r.left + "\r\n" + r.top + "\r\n");
        lumetra::Form1 f{s, d.platform()};
        f.load();
        EXPECT_EQ(f.positioned(), r.used);
        if (r.used) {
            EXPECT_EQ(f.left(), rt::toSingle(r.left));
            EXPECT_EQ(f.top(), rt::toSingle(r.top));
        }
    }
}

TEST_F(Startup, TheUsersOwnCopyIsReadWhenNoneLiesBesideTheProgram) {
    desk.files.folders.insert("/appdata/Corvane Lumetra");
    desk.files.files["/appdata/Corvane Lumetra/settings.ini"] = "-1500\r\n0\r\n";
    EXPECT_EQ(open(std::nullopt).VScroll1.value(), -1500);

    desk.writeSettings("-3000\r\n1\r\n");
    EXPECT_EQ(open(std::nullopt).VScroll1.value(), -3000);
}

} // namespace
