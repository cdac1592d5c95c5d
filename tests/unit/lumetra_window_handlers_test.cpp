// The main window's own handlers: switching the language, the flashing panel,
// the close picture and the settings it writes, dragging, the web link, the
// minimize picture and the link's hover colour.
#include "lumetra_form_fixture.h"

#include "core/conversions.h"

#include <algorithm>

namespace {

using Strings = std::vector<std::string>;
constexpr forms::Color kDark = 0x404040;
constexpr forms::Color kText = forms::kWindowText;

// --- Language --------------------------------------------------------------

TEST_F(LumetraWindow, SwitchingTheLanguageRefillsTheListAndForgetsTheChoice) {
    pick(4);
    ASSERT_EQ(form.Label17.caption(), "Meditation deep");
    form.Combo1.userPick(1);
    EXPECT_EQ(form.MentalState.List(4), "Meditatie adanc");
    EXPECT_EQ(form.MentalState.listIndex(), -1);
    for (int i = 0; i < 11; ++i) EXPECT_FALSE(form.MentalState.selected(i)) << i;
    EXPECT_EQ(form.Label17.caption(), "Nu este selectata");
    EXPECT_EQ(form.Label3.caption(), "Alege o stare si apoi apasa Start:");

    form.Combo1.userPick(0);
    EXPECT_EQ(form.MentalState.List(4), "Meditation deep");
    EXPECT_EQ(form.Label17.caption(), "None selected");
}

TEST_F(LumetraWindow, SwitchingTheLanguageLeavesAPlayingToneAndTheToneSourceAlone) {
    form.FreqSlider.setValue(9);
    start();
    const auto readoutsBefore = readouts();
    const std::size_t mark = sound.log.size();
    form.Combo1.userPick(1);
    EXPECT_TRUE(logSince(mark).empty());
    EXPECT_EQ(readouts(), readoutsBefore);
    EXPECT_TRUE(form.CustomMode);
    EXPECT_EQ(form.KLVL.caption(), "On");
    EXPECT_TRUE(form.TimerEcran.enabled());
}

// --- The flashing panel ------------------------------------------------------

TEST_F(LumetraWindow, EachIndicatorTickSetsHalfABeatPeriodFlashesAndShowsTheBeat) {
    struct Row {
        const char* beat;
        int slider;
        forms::Color panelBefore;
        int intervalAfter;  // from 83
        forms::Color panelAfter;
        const char* readout;  // from "0"
    };
    const Row rows[] = {
        {"10", 10, kDark, 50, kText, "10 hz"},
        {"10", 10, kText, 50, kDark, "0"},  // the dark phase leaves the readout
        {"3", 3, kDark, 167, kText, "3 hz"},
        {"21", 21, kDark, 24, kText, "21 hz"},
        {"0", 5, kDark, 83, kText, "0 hz"},
        {"beat", 5, kDark, 83, kText, "beat hz"},
        {"-4", 5, kDark, 83, kText, "-4 hz"},
        {"1000", 5, kDark, 0, kText, "1000 hz"},
        {"999", 5, kDark, 1, kText, "999 hz"},
        {"334", 5, kDark, 1, kText, "334 hz"},
        {"10", 0, kDark, 50, kDark, "10 hz"},
        {"10", 0, kText, 50, kText, "10 hz"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.beat) + " at slider " + std::to_string(r.slider));
        form.FreqSlider.setValue(r.slider);
        form.FrecventaLabel.setCaption(r.beat);
        form.Ecran.setBackColor(r.panelBefore);
        form.Label33.setCaption("0");
        form.TimerEcran.setInterval(83);
        form.TimerEcran.setEnabled(true);
        form.TimerEcran.fire();
        EXPECT_EQ(form.TimerEcran.interval(), r.intervalAfter);
        EXPECT_EQ(form.Ecran.backColor(), r.panelAfter);
        EXPECT_EQ(form.Label33.caption(), r.readout);
    }
}

TEST_F(LumetraWindow, WhilePlayingThePanelFlashesAtTheBeatUntilStop) {
    pick(5);  // "Quick mental refresher": a beat of 10
    start();
    int changes = 0;
    forms::Color last = form.Ecran.backColor();
    for (int ms = 0; ms < 1000; ++ms) {
        clock.advance(1);
        if (form.Ecran.backColor() != last) ++changes, last = form.Ecran.backColor();
    }
    // The first tick comes a whole beat period after Start, then every half.
    EXPECT_EQ(form.TimerEcran.interval(), 50);
    EXPECT_EQ(changes, 19);
    EXPECT_EQ(form.Label33.caption(), "10 hz");
    stop();
    const forms::Color atStop = form.Ecran.backColor();
    clock.advance(1000);
    EXPECT_EQ(form.Ecran.backColor(), atStop);
}

// --- The close picture ---------------------------------------------------------

struct ClosePicture : LumetraWindow {
    ~ClosePicture() override { rt::setUserDecimalSeparator('.'); }
    // The close picture: it must end the program.
    void close() { EXPECT_THROW(form.Image5.Click(), forms::ProgramEnded); }
    std::string saved(const std::string& path = fakes::FakeWindowPlatform::settingsPath()) const {
        const auto it = desk.files.files.find(path);
        return it == desk.files.files.end() ? "(none)" : it->second;
    }
};

TEST_F(ClosePicture, WritesTheFiveSettingsAndEnds) {
    form.VScroll1.setValue(-1500);
    form.FreqSlider.setValue(7);
    form.setLeft(1830);
    form.setTop(1245.5f);
    close();
    EXPECT_EQ(saved(), "-1500\r\n0\r\n7\r\n1830\r\n1245.5\r\n");
}

TEST_F(ClosePicture, WritesExactlyFiveLinesWhateverTheFileHeldBefore) {
    desk.writeSettings("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");
    form.Setari.AddItem("left over");
    close();
    EXPECT_EQ(saved(), "-2800\r\n0\r\n21\r\n0\r\n0\r\n");
}

TEST_F(ClosePicture, WritesNoLanguageAsMinusOneAndFractionsWithTheUsersSeparator) {
    form.Combo1.setListIndex(-1);
    rt::setUserDecimalSeparator(',');
    form.setLeft(-75.25f);
    form.setTop(1245.5f);
    close();
    EXPECT_EQ(saved(), "-2800\r\n-1\r\n21\r\n-75,25\r\n1245,5\r\n");
}

TEST_F(ClosePicture, AReadOnlyProgramFolderSendsTheSettingsToTheUsersFolder) {
    desk.files.files.erase(fakes::FakeWindowPlatform::settingsPath());
    desk.files.readOnlyFolders = {"/prog"};
    form.VScroll1.setValue(-500);
    close();
    EXPECT_EQ(saved(), "(none)");
    EXPECT_EQ(saved("/appdata/Corvane Lumetra/settings.ini"), "-500\r\n0\r\n21\r\n0\r\n0\r\n");
}

TEST_F(ClosePicture, AFailedWriteLeavesTheOldFileWholeAndStillEnds) {
    const std::string old = saved();
    desk.files.failWritesAfter = 4;
    desk.files.readOnlyFolders = {"/appdata"};
    close();
    EXPECT_EQ(saved(), old);
    for (const auto& [path, bytes] : desk.files.files) EXPECT_EQ(path, fakes::FakeWindowPlatform::settingsPath());

    desk.files.failWritesAfter.reset();
    desk.files.failReplace = true;
    close();
    EXPECT_EQ(saved(), old);
}

TEST_F(ClosePicture, TheNextStartRestoresWhatWasSaved) {
    form.Combo1.setListIndex(1);
    form.VScroll1.setValue(-4400);
    form.FreqSlider.setValue(12);
    form.setLeft(3000);
    form.setTop(1500);
    close();

    lumetra::Form1 next{sound, desk.platform()};
    next.load();
    EXPECT_EQ(next.Combo1.listIndex(), 1);
    EXPECT_EQ(next.Label3.caption(), "Alege o stare si apoi apasa Start:");
    EXPECT_EQ(next.VScroll1.value(), -4400);
    EXPECT_EQ(next.FreqSlider.value(), 12);
    EXPECT_EQ(next.left(), 3000);
    EXPECT_EQ(next.top(), 1500);
}

// --- Dragging, the link, hover ---------------------------------------

TEST_F(LumetraWindow, AnyButtonOnTheStripOrTheTitleDragsTheWindow) {
    for (int button : {1, 2, 4}) {
        forms::MouseArgs args;
        args.button = button;
        form.Image4.MouseDown(args);
        form.Label12.MouseDown(args);
    }
    EXPECT_EQ(desk.shell.drags, std::vector<forms::Form*>(6, &form));
}

TEST_F(LumetraWindow, TheMinimizePictureMinimizesAndAMinimizedOrMaximizedWindowIsNotDragged) {
    form.Image6.Click();
    EXPECT_EQ(form.windowState(), forms::Form::State::Minimized);
    form.Image4.MouseDown({});
    form.setWindowState(forms::Form::State::Maximized);
    form.Label12.MouseDown({});
    EXPECT_TRUE(desk.shell.drags.empty());
}

TEST_F(LumetraWindow, TheLinkOpensTheEnglishPageOnlyForEnglish) {
    form.Label4.Click();
    form.Combo1.setListIndex(1);
    form.Label4.Click();
    form.Combo1.setListIndex(-1);
    form.Label4.Click();
    EXPECT_EQ(desk.shell.urls, (Strings{"http://www.corvanesoft.example", "http://www.corvanesoft.example/ro",
                                        "http://www.corvanesoft.example/ro"}));
    EXPECT_EQ(form.Label4.caption(), "www.corvanesoft.example");
}

TEST_F(LumetraWindow, TheLinkIsRedUnderThePointerAndBlackOffIt) {
    std::vector<forms::Color> seen;
    form.Label4.MouseMove({});
    seen.push_back(form.Label4.foreColor());
    form.Image11.MouseMove({});
    seen.push_back(form.Label4.foreColor());
    form.Label4.MouseMove({});
    form.MouseMove({});
    seen.push_back(form.Label4.foreColor());
    EXPECT_EQ(seen, (std::vector<forms::Color>{0x0000FF, 0x000000, 0x000000}));
}

// --- Layout --------------------------------------------------------------------

// In the right column only the three tone captions and the headers are bold;
// "Running" beside the state is regular, like the state itself.
TEST_F(LumetraWindow, OnlyTheToneCaptionsAndHeadersOfTheRightColumnAreBold) {
    for (const forms::Control* c : form.controls()) {
        const forms::Rect b = c->bounds();
        if (b.left < 8160 || b.top < 480 || b.top >= 3840 || dynamic_cast<const forms::Label*>(c) == nullptr) continue;
        const bool header = c == &form.Label7 || c == &form.Label10 || c == &form.Label19;
        const bool bold = header || c == &form.Label11 || c == &form.Label13 || c == &form.Label14 || c == &form.Label33;
        EXPECT_EQ(c->font().bold, bold) << c->name();
    }
}

// Pictures and labels are painted in the order the window holds them: the two
// bands must come before whatever lies on them.
TEST_F(LumetraWindow, TheBandsArePaintedBeneathEverythingOnThem) {
    const auto& controls = form.controls();
    auto position = [&](const forms::Control& c) { return std::find(controls.begin(), controls.end(), &c) - controls.begin(); };
    auto overlaps = [](forms::Rect a, forms::Rect b) {
        return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
               b.top < a.top + a.height;
    };
    for (const forms::Image* band : {&form.Image11, &form.Image4}) {
        for (const forms::Control* c : controls) {
            if (c == band || !c->visible() || c->container() || !overlaps(c->bounds(), band->bounds())) continue;
            EXPECT_GT(position(*c), position(*band)) << c->name() << " lies on " << band->name();
        }
    }
}

} // namespace
