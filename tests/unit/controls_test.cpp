#include "core/errors.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/lists.h"
#include "forms/ranges.h"
#include "forms/timer.h"
#include "support/bounds_in_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using forms::Prop;
using Seen = std::vector<std::pair<std::string, Prop>>;

// Records every change a form reports, as a host would see them.
struct Recorder : forms::FormObserver {
    Seen seen;
    void formChanged(forms::Form& form, Prop what) override { seen.emplace_back(form.name(), what); }
    void controlChanged(forms::Control& control, Prop what) override { seen.emplace_back(control.name(), what); }
};

int errorOf(const std::function<void()>& statement) { return rt::leaveAtFirstError(statement); }

// Controls on one form; every event handler appends its name to `events`.
class ControlTest : public ::testing::Test {
protected:
    std::function<void()> record(std::string event) {
        return [this, event] { events.push_back(event); };
    }
    forms::Form form{"Form1"};
    std::vector<std::string> events;
};

TEST_F(ControlTest, ChangeFiresOncePerRealChange) {
    forms::ScrollBar bar(form, "HScroll1");
    forms::Slider slider(form, "FreqSlider");
    forms::TextBox box(form, "Text1");
    forms::CheckBox check(form, "Check1");
    bar.Change = record("bar");
    slider.Change = record("slider");
    box.Change = record("box");
    check.Click = record("check");
    bar.setRange(1000, 30000);  // pulls the value 0 into the new range
    EXPECT_EQ(bar.value(), 1000);
    for (int twice = 0; twice < 2; ++twice) {
        bar.setValue(11025);
        slider.setValue(12);
        box.setText("C:\\Program Files");
        check.setValue(1);
    }
    box.setText("");
    check.setValue(0);
    EXPECT_EQ(events, (std::vector<std::string>{"bar", "bar", "slider", "box", "check", "box", "check"}));
}

TEST_F(ControlTest, RefusedValuesRaise380AndChangeNothing) {
    forms::ScrollBar bar(form, "HScroll3");
    forms::CheckBox check(form, "Check1");
    forms::ListBox list(form, "MentalState");
    forms::ComboBox combo(form, "Combo1");
    forms::Timer timer(form, "TimerEcran", 100);
    bar.setRange(-10000, 10000);
    list.AddItem("a");
    list.AddItem("b");
    combo.AddItem("x");
    Recorder recorder;
    form.addObserver(&recorder);
    bar.Change = check.Click = list.Click = combo.Click = record("event");

    const std::vector<std::pair<const char*, std::function<void()>>> refused = {
        {"bar above", [&] { bar.setValue(10001); }},     {"bar below", [&] { bar.setValue(-10001); }},
        {"check 3", [&] { check.setValue(3); }},         {"check -1", [&] { check.setValue(-1); }},
        {"list -2", [&] { list.setListIndex(-2); }},     {"list count", [&] { list.setListIndex(2); }},
        {"combo -2", [&] { combo.setListIndex(-2); }},   {"combo count", [&] { combo.setListIndex(1); }},
        {"interval -1", [&] { timer.setInterval(-1); }}, {"interval 65536", [&] { timer.setInterval(65536); }},
    };
    for (const auto& [what, assign] : refused) {
        SCOPED_TRACE(what);
        EXPECT_EQ(errorOf(assign), rt::InvalidPropertyValue);
    }
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(check.value(), 0);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(timer.interval(), 100);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(recorder.seen.empty());
    timer.setInterval(65535);  // the edges themselves are accepted
    bar.setValue(-10000);
    list.setListIndex(1);
    EXPECT_EQ(events.size(), 2u);
    form.removeObserver(&recorder);
}

TEST_F(ControlTest, ReversedRangeRunsFromMinDownToMax) {
    forms::ScrollBar volume(form, "VScroll1");
    volume.setRange(0, -10000);
    volume.setSteps(100, 1000);
    const std::vector<std::pair<int, int>> values = {{-2800, 0}, {0, 0}, {-10000, 0}, {1, 380}, {-10001, 380}};
    for (const auto& [value, error] : values) {
        EXPECT_EQ(errorOf([&, value = value] { volume.setValue(value); }), error) << value;
    }
    volume.setValue(-2800);
    volume.Change = record("change");
    const std::vector<std::pair<int, bool>> steps = {{+1, false}, {-1, true}, {-1, true}, {-1, true}, {-1, false}};
    std::vector<int> after;
    for (const auto& [direction, page] : steps) {
        volume.userStep(direction, page);
        after.push_back(volume.value());
    }
    // +1 goes towards Max (quieter); the end holds, and a step that moves nothing raises nothing.
    EXPECT_EQ(after, (std::vector<int>{-2900, -1900, -900, 0, 0}));
    EXPECT_EQ(events.size(), 4u);
    forms::ScrollBar rate(form, "HScroll1");
    rate.setRange(1000, 30000);
    rate.userStep(+1, false);
    EXPECT_EQ(rate.value(), 1001);
}

TEST_F(ControlTest, DragRaisesScrollThenOneChangeAtTheEnd) {
    forms::Slider slider(form, "FreqSlider");
    slider.setRange(0, 30);
    slider.Change = record("change");
    slider.Scroll = record("scroll");
    slider.userScroll(5);
    slider.userScroll(99);  // dragged past the end: held at Max
    EXPECT_EQ(slider.value(), 30);
    slider.userSet(30);  // let go where the drag left it
    slider.userSet(30);  // a later click at the same place is no change
    slider.userScroll(10);
    slider.userSet(12);
    EXPECT_EQ(slider.value(), 12);
    EXPECT_EQ(events, (std::vector<std::string>{"scroll", "scroll", "change", "scroll", "change"}));
}

TEST_F(ControlTest, ListBoxCurrentItemAndChecks) {
    forms::ListBox list(form, "MentalState");
    list.setStyle(forms::ListBox::Style::CheckBox);
    for (const char* s : {"Meditation deep", "Schumann resonance", "Sleep induction"}) list.AddItem(s);
    list.Click = record("click");
    list.ItemCheck = [&](int i) { events.push_back("check " + std::to_string(i)); };
    list.MouseDown = [&](const forms::MouseArgs& a) { events.push_back("down " + std::to_string(a.button)); };

    EXPECT_EQ(list.text(), "");
    list.userPress(1, {2, 0, 10, 20});
    EXPECT_EQ(list.text(), "Schumann resonance");
    EXPECT_FALSE(list.selected(1));  // pressing an entry does not tick it
    list.setSelected(2, true);
    list.setSelected(2, true);
    list.userToggleCheck(0);
    EXPECT_TRUE(list.selected(0) && list.selected(2));
    for (int bad : {-1, 3}) {
        EXPECT_EQ(errorOf([&] { (void)list.List(bad); }), 381) << bad;
        EXPECT_EQ(errorOf([&] { (void)list.selected(bad); }), 381) << bad;
    }
    list.Clear();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
    list.AddItem("Meditatie profunda");
    EXPECT_FALSE(list.selected(0));  // a new entry starts unticked
    list.userPress(-1, {1, 0, 0, 900});  // below the entries
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "down 2", "check 2", "check 0", "down 1"}));
}

TEST_F(ControlTest, ComboBoxPickSetsTheText) {
    forms::ComboBox combo(form, "Combo1");
    combo.AddItem("English");
    combo.AddItem("Romana");
    combo.Click = record("click");
    combo.Change = record("change");
    combo.userPick(1);
    EXPECT_EQ(combo.text(), "Romana");
    combo.setText("typed");  // typing keeps the index
    EXPECT_EQ(combo.listIndex(), 1);
    combo.setListIndex(-1);
    EXPECT_EQ(combo.text(), "typed");
    EXPECT_EQ(events, (std::vector<std::string>{"click", "change", "click"}));
    EXPECT_EQ(errorOf([&] { (void)combo.List(2); }), 381);
}

TEST_F(ControlTest, InsertedAndRemovedEntriesKeepTheCurrentEntryAndTheTicksInPlace) {
    forms::ListBox list(form, "List2");
    list.setStyle(forms::ListBox::Style::CheckBox);
    for (const char* s : {"a", "b", "c"}) list.AddItem(s);
    list.setListIndex(1);
    list.setSelected(2, true);
    list.Click = record("click");
    EXPECT_EQ(errorOf([&] { list.AddItem("x", 4); }), rt::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { list.AddItem("x", -2); }), rt::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { list.RemoveItem(3); }), 381);
    EXPECT_EQ(list.ListCount(), 3);

    list.AddItem("first", 0);  // a, b, c -> first, a, b, c
    EXPECT_EQ(list.text(), "b");
    EXPECT_TRUE(list.selected(3));  // the tick stays with "c"
    list.RemoveItem(1);  // first, b, c
    EXPECT_EQ(list.text(), "b");
    EXPECT_TRUE(list.selected(2));
    list.RemoveItem(1);  // the current entry goes: none is current
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_TRUE(events.empty());  // the current entry never changed by a click

    forms::ComboBox combo(form, "Combo1");
    for (const char* s : {"English", "Romana"}) combo.AddItem(s);
    combo.setListIndex(1);
    combo.AddItem("Deutsch", 0);
    EXPECT_EQ(combo.listIndex(), 2);
    combo.RemoveItem(2);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "Romana");  // the field keeps its text
}

TEST_F(ControlTest, ObserverSeesRealChangesOnly) {
    forms::Label label(form, "Label17");
    forms::ScrollBar bar(form, "HScroll2");
    Recorder recorder;
    form.addObserver(&recorder);
    form.addObserver(&recorder);  // once is enough
    for (int twice = 0; twice < 2; ++twice) {
        label.setCaption("Custom: 7 Hz");
        bar.setValue(3);
    }
    label.setEnabled(false);
    form.setCaption("Lumetra");
    form.removeObserver(&recorder);
    label.setCaption("x");
    EXPECT_EQ(recorder.seen, (Seen{{"Label17", Prop::Caption}, {"HScroll2", Prop::Value},
                                   {"Label17", Prop::Enabled}, {"Form1", Prop::Caption}}));
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
    EXPECT_EQ(forms::boundsInForm(ecran), (forms::Rect{2640, 360, 5415, 3735}));
    EXPECT_EQ(forms::boundsInForm(deep), (forms::Rect{2750, 700, 30, 40}));
    EXPECT_EQ(forms::boundsInForm(outer), outer.bounds());
}

TEST_F(ControlTest, ADestroyedControlLeavesItsForm) {
    forms::Label kept(form, "Label1");
    { forms::Label gone(form, "Label2"); }
    ASSERT_EQ(form.controls().size(), 1u);
    EXPECT_EQ(form.controls()[0], &kept);
}

// A handler may destroy the form it belongs to (a wizard's "Done", a close
// picture): it runs to its end, and nothing after it touches the form.
TEST(ControlEvents, AHandlerThatDestroysItsOwnFormRunsToItsEndAndNothingFollows) {
    struct Page : forms::Form {
        Page() : Form("Page") { list.AddItem("one"); }
        forms::CommandButton done{*this, "Command1"};
        forms::ListBox list{*this, "List1"};
    };
    struct Row {
        const char* what;
        void (*wire)(Page&, std::function<void()>);
        void (*raise)(Page&);
    };
    const Row rows[] = {
        {"Done", [](Page& p, std::function<void()> h) { p.done.Click = h; }, [](Page& p) { p.done.press(); }},
        {"Unload", [](Page& p, std::function<void()> h) { p.Unload = h; }, [](Page& p) { p.unload(); }},
        // Click comes first; MouseDown would follow on a list that lives.
        {"entry pressed", [](Page& p, std::function<void()> h) { p.list.Click = h; },
         [](Page& p) { p.list.userPress(0, forms::MouseArgs{}); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        auto page = std::make_unique<Page>();
        page->load();
        std::vector<std::string> ran;
        page->list.MouseDown = [&ran](const forms::MouseArgs&) { ran.push_back("MouseDown"); };
        row.wire(*page, [&page, &ran, what = std::string(row.what)] {
            page.reset();
            ran.push_back(what);  // the handler's own captures outlive the form
        });
        row.raise(*page);
        EXPECT_EQ(ran, std::vector<std::string>{row.what});
        EXPECT_EQ(page, nullptr);
    }
}

} // namespace
