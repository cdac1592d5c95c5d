#include "core/errors.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/lists.h"
#include "forms/ranges.h"
#include "forms/timer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using forms::Prop;

// Records every change a form reports, as the host would see them.
struct Recorder : forms::FormObserver {
    std::vector<std::pair<std::string, Prop>> seen;
    void formChanged(forms::Form& form, Prop what) override { seen.emplace_back(form.name(), what); }
    void controlChanged(forms::Control& control, Prop what) override { seen.emplace_back(control.name(), what); }
};

// Runs `assign` and returns the error number it raised, 0 when none.
template <class F>
int errorOf(F&& assign) {
    return rt::leaveAtFirstError(assign);
}

class ControlTest : public ::testing::Test {
protected:
    forms::Form form{"Form1"};
    int changes = 0, scrolls = 0, clicks = 0;
};

TEST_F(ControlTest, ChangeFiresOncePerRealChange) {
    forms::ScrollBar bar(form, "HScroll1");
    forms::Slider slider(form, "FreqSlider");
    forms::TextBox box(form, "Text1");
    forms::CheckBox check(form, "Check1");
    bar.Change = [&] { ++changes; };
    slider.Change = [&] { ++changes; };
    box.Change = [&] { ++changes; };
    check.Click = [&] { ++clicks; };
    bar.setRange(1000, 30000);  // pulls the value 0 into the range: one change
    EXPECT_EQ(bar.value(), 1000);
    EXPECT_EQ(changes, 1);

    const auto assignTwice = [&](auto set) { set(); set(); };
    assignTwice([&] { bar.setValue(11025); });
    assignTwice([&] { slider.setValue(12); });
    assignTwice([&] { box.setText("C:\\Program Files"); });
    assignTwice([&] { check.setValue(1); });
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(clicks, 1);
    box.setText("");
    check.setValue(0);
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlTest, RefusedValuesRaise380AndChangeNothing) {
    forms::ScrollBar bar(form, "HScroll3");
    forms::CheckBox check(form, "Check1");
    forms::ListBox list(form, "MentalState");
    forms::ComboBox combo(form, "Combo1");
    forms::Timer timer(form, "TimerEcran", 100);
    bar.setRange(-10000, 10000);
    bar.setValue(500);
    list.AddItem("a");
    list.AddItem("b");
    combo.AddItem("x");
    Recorder recorder;
    form.addObserver(&recorder);
    bar.Change = [&] { ++changes; };
    check.Click = list.Click = combo.Click = [&] { ++clicks; };

    struct Case { const char* what; std::function<void()> assign; };
    const std::vector<Case> cases = {
        {"bar above", [&] { bar.setValue(10001); }},    {"bar below", [&] { bar.setValue(-10001); }},
        {"check 3", [&] { check.setValue(3); }},        {"check -1", [&] { check.setValue(-1); }},
        {"list -2", [&] { list.setListIndex(-2); }},    {"list count", [&] { list.setListIndex(2); }},
        {"combo -2", [&] { combo.setListIndex(-2); }},  {"combo count", [&] { combo.setListIndex(1); }},
        {"interval -1", [&] { timer.setInterval(-1); }}, {"interval 65536", [&] { timer.setInterval(65536); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(errorOf(c.assign), rt::InvalidPropertyValue);
    }
    EXPECT_EQ(bar.value(), 500);
    EXPECT_EQ(check.value(), 0);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(timer.interval(), 100);
    EXPECT_EQ(changes + clicks, 0);
    EXPECT_TRUE(recorder.seen.empty());
    // The edges themselves are accepted.
    timer.setInterval(65535);
    timer.setInterval(0);
    list.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    form.removeObserver(&recorder);
}

TEST_F(ControlTest, ReversedRangeRunsFromMinDownToMax) {
    forms::ScrollBar volume(form, "VScroll1");
    volume.setRange(0, -10000);
    volume.setSteps(100, 1000);
    volume.Change = [&] { ++changes; };
    struct Case { int value; int error; };
    for (const Case c : {Case{-2800, 0}, Case{0, 0}, Case{-10000, 0}, Case{1, 380}, Case{-10001, 380}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(errorOf([&] { volume.setValue(c.value); }), c.error);
    }
    EXPECT_EQ(volume.value(), -10000);
    volume.setValue(-2800);
    changes = 0;
    volume.userStep(+1, false);  // towards Max: quieter
    EXPECT_EQ(volume.value(), -2900);
    volume.userStep(-1, true);
    EXPECT_EQ(volume.value(), -1900);
    volume.userStep(-1, true);
    volume.userStep(-1, true);  // clamped at Min
    EXPECT_EQ(volume.value(), 0);
    EXPECT_EQ(changes, 4);
    volume.userStep(-1, false);  // already at the end: nothing changes, no event
    EXPECT_EQ(changes, 4);
    // A forward range steps upwards.
    forms::ScrollBar rate(form, "HScroll1");
    rate.setRange(1000, 30000);
    rate.userStep(+1, false);
    EXPECT_EQ(rate.value(), 1001);
}

TEST_F(ControlTest, DragRaisesScrollThenOneChangeAtTheEnd) {
    forms::Slider slider(form, "FreqSlider");
    slider.setRange(0, 30);
    slider.Change = [&] { ++changes; };
    slider.Scroll = [&] { ++scrolls; };
    slider.userScroll(5);
    slider.userScroll(9);
    slider.userScroll(99);  // dragged past the end: held at Max
    EXPECT_EQ(slider.value(), 30);
    EXPECT_EQ(scrolls, 3);
    EXPECT_EQ(changes, 0);
    slider.userSet(30);  // let go where the drag left it
    EXPECT_EQ(changes, 1);
    slider.userSet(30);  // a later click at the same place is no change
    EXPECT_EQ(changes, 1);
    slider.userScroll(10);
    slider.userSet(12);
    EXPECT_EQ(slider.value(), 12);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(scrolls, 4);
}

TEST_F(ControlTest, ListBoxCurrentItemAndChecks) {
    forms::ListBox list(form, "MentalState");
    list.setStyle(forms::ListBox::Style::CheckBox);
    for (const char* s : {"Meditation deep", "Schumann resonance", "Sleep induction"}) list.AddItem(s);
    std::vector<int> itemChecks;
    int downs = 0;
    list.Click = [&] { ++clicks; };
    list.ItemCheck = [&](int i) { itemChecks.push_back(i); };
    list.MouseDown = [&](const forms::MouseArgs& a) { downs += a.button; };

    EXPECT_EQ(list.text(), "");
    list.userPress(1, {2, 0, 10, 20});
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(list.text(), "Schumann resonance");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 2);
    EXPECT_FALSE(list.selected(1));  // pressing an entry does not tick it

    list.setSelected(2, true);
    list.setSelected(2, true);
    list.userToggleCheck(0);
    EXPECT_TRUE(list.selected(0));
    EXPECT_TRUE(list.selected(2));
    EXPECT_EQ(itemChecks, (std::vector<int>{2, 0}));

    for (int bad : {-1, 3}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(errorOf([&] { (void)list.List(bad); }), 381);
        EXPECT_EQ(errorOf([&] { (void)list.selected(bad); }), 381);
    }
    EXPECT_EQ(list.List(2), "Sleep induction");

    list.Clear();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.text(), "");
    list.AddItem("Meditatie profunda");
    EXPECT_FALSE(list.selected(0));  // a new entry starts unticked
    list.userPress(-1, {1, 0, 0, 900});  // below the entries
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(downs, 3);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlTest, PlainListSelectionIsTheCurrentItem) {
    forms::ListBox list(form, "Setari");
    list.AddItem("a");
    list.AddItem("b");
    list.setSelected(1, true);
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_TRUE(list.selected(1));
    list.setSelected(0, false);  // not the current one: nothing happens
    EXPECT_EQ(list.listIndex(), 1);
    list.setSelected(1, false);
    EXPECT_EQ(list.listIndex(), -1);
}

TEST_F(ControlTest, ComboBoxPickSetsTheText) {
    forms::ComboBox combo(form, "Combo1");
    combo.AddItem("English");
    combo.AddItem("Romana");
    combo.Click = [&] { ++clicks; };
    combo.Change = [&] { ++changes; };
    combo.userPick(1);
    EXPECT_EQ(combo.text(), "Romana");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 0);  // picking is a click, not typing
    combo.setText("typed");
    EXPECT_EQ(combo.listIndex(), 1);
    EXPECT_EQ(changes, 1);
    combo.setListIndex(-1);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "typed");
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(errorOf([&] { (void)combo.List(2); }), 381);
}

TEST_F(ControlTest, ObserverSeesRealChangesOnly) {
    forms::Label label(form, "Label17");
    forms::ScrollBar bar(form, "HScroll2");
    Recorder recorder;
    form.addObserver(&recorder);
    form.addObserver(&recorder);  // once is enough
    label.setCaption("Custom: 7 Hz");
    label.setCaption("Custom: 7 Hz");
    bar.setValue(3);
    bar.setValue(3);
    label.setEnabled(false);
    form.setCaption("Lumetra");
    using Seen = std::vector<std::pair<std::string, Prop>>;
    EXPECT_EQ(recorder.seen, (Seen{{"Label17", Prop::Caption}, {"HScroll2", Prop::Value},
                                   {"Label17", Prop::Enabled}, {"Form1", Prop::Caption}}));
    form.removeObserver(&recorder);
    label.setCaption("x");
    EXPECT_EQ(recorder.seen.size(), 4u);
}

TEST_F(ControlTest, BoundsInFormAddFrameOffsets) {
    forms::Frame outer(form, "Frame1");
    forms::Frame inner(form, "Pas1", &outer);
    forms::Label ecran(form, "Ecran", &outer);
    forms::Label deep(form, "Label3", &inner);
    outer.move(2640, 480, 5415, 3615);
    inner.move(100, 200, 1000, 1000);
    ecran.move(0, -120, 5415, 3735);
    deep.move(10, 20, 30, 40);
    EXPECT_EQ(ecran.boundsInForm(), (forms::Rect{2640, 360, 5415, 3735}));
    EXPECT_EQ(deep.boundsInForm(), (forms::Rect{2750, 700, 30, 40}));
    EXPECT_EQ(deep.bounds(), (forms::Rect{10, 20, 30, 40}));
    EXPECT_EQ(outer.boundsInForm(), outer.bounds());
}

TEST_F(ControlTest, DisabledButtonIgnoresPresses) {
    forms::CommandButton button(form, "Command1");
    button.Click = [&] { ++clicks; };
    button.press();
    button.setEnabled(false);
    button.press();
    EXPECT_EQ(clicks, 1);
}

} // namespace
