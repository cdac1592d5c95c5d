// The host under Wine: a form with one control of every kind in a real
// window; real messages sent to the real controls reach the portable events,
// and program-side changes reach the real windows.
#include "win32/host.h"
#include "message_pump.h"
#include "window_of.h"
#include "win32/handles.h"

#include "core/errors.h"
#include "forms/controls.h"
#include "forms/lists.h"
#include "forms/ranges.h"
#include "forms/timer.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <new>
#include <string>

namespace {

struct TestForm : forms::Form {
    TestForm() : Form("HostTestForm") {
        setCaption("Host test");
        setClientSize(9000, 6000);
        setStartPosition(StartPosition::CenterScreen);
        label.move(120, 120, 1500, 255);
        label.setCaption("Label");
        button.move(120, 480, 1200, 375);
        button.setCaption("Press");
        button.setDefault(true);
        cancel.move(1440, 480, 1200, 375);
        cancel.setCaption("Cancel");
        cancel.setCancel(true);
        check.move(120, 960, 1800, 255);
        check.setCaption("Tick");
        text.move(120, 1320, 1800, 315);
        list.move(2160, 120, 1800, 1200);
        for (const char* s : {"alpha", "beta", "gamma"}) list.AddItem(s);
        checks.move(2160, 1440, 1800, 1200);
        checks.setStyle(forms::ListBox::Style::CheckBox);
        for (const char* s : {"one", "two", "three"}) checks.AddItem(s);
        combo.move(4200, 120, 1800, 315);
        combo.AddItem("English");
        combo.AddItem("Romana");
        combo.setText("English");
        volume.move(4200, 600, 2175, 255);
        volume.setRange(0, -10000);
        volume.setSteps(100, 1000);
        volume.setValue(-2800);
        pan.move(4200, 960, 2175, 255);
        pan.setRange(-10000, 10000);
        pan.setValue(10000);
        slider.move(4200, 1320, 2400, 495);
        slider.setRange(0, 30);
        slider.setSteps(1, 5);
        slider.setValue(21);
        frame.move(120, 2880, 3000, 1500);
        frame.setBackColor(0x000000);
        inFrame.move(150, 300, 1500, 255);
        inFrame.setCaption("Inside");
        image.move(4200, 2880, 600, 600);
        image.setPicture(std::make_shared<forms::Bitmap>(forms::Bitmap{2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, {}}));
        image.setStretch(true);
        shape.move(6000, 2880, 1500, 900);
        line.setEnds(6000, 4200, 7500, 4200);
        hidden.move(120, 7000, 1000, 255);  // below the client area, never seen
        hidden.setVisible(false);
    }
    forms::Label label{*this, "Label1"};
    forms::CommandButton button{*this, "Command1"};
    forms::CommandButton cancel{*this, "Command2"};
    forms::CheckBox check{*this, "Check1"};
    forms::TextBox text{*this, "Text1"};
    forms::ListBox list{*this, "List1"};
    forms::ListBox checks{*this, "List2"};
    forms::ComboBox combo{*this, "Combo1"};
    forms::ScrollBar volume{*this, "VScroll1"};
    forms::ScrollBar pan{*this, "HScroll3"};
    forms::Slider slider{*this, "Slider1"};
    forms::Frame frame{*this, "Frame1"};
    forms::Label inFrame{*this, "Label2", &frame};
    forms::Image image{*this, "Image1"};
    forms::Shape shape{*this, "Shape1"};
    forms::Line line{*this, "Line1"};
    forms::Label hidden{*this, "Label3"};
    forms::Timer timer{*this, "Timer1", 0};
};

std::string classOf(HWND h) {
    char name[64] = {};
    GetClassNameA(h, name, sizeof name);
    return name;
}

std::string textOf(HWND h) {
    char buffer[256] = {};
    GetWindowTextA(h, buffer, sizeof buffer);
    return buffer;
}

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.attach(form);
        form.load();
        form.show();
        host::pump(app);
        dpi = static_cast<int>(GetDpiForWindow(top()));
    }
    HWND top() const { return reinterpret_cast<HWND>(form.hWnd()); }
    HWND win(const forms::Control& c) const { return host::windowOf(c); }
    int px(int twips) const { return MulDiv(twips, dpi, 1440); }
    // Sends a notification to the control's parent, as the control would.
    void notifyParent(HWND child, UINT msg, WPARAM wp) {
        SendMessageW(GetParent(child), msg, wp, reinterpret_cast<LPARAM>(child));
        host::pump(app);
    }
    void command(HWND child, WORD code) {
        notifyParent(child, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), code));
    }

    host::Application app;
    TestForm form;
    int dpi = 96;
};

TEST_F(HostTest, EveryControlHasARealChildWindowWhereItsTwipsSay) {
    ASSERT_TRUE(IsWindow(top()));
    EXPECT_TRUE(IsWindowVisible(top()));
    EXPECT_EQ(textOf(top()), "Host test");
    EXPECT_EQ(forms::screen().twipsPerPixelX, 1440.0 / dpi);
    RECT client{};
    GetClientRect(top(), &client);
    EXPECT_EQ(client.right, px(9000));
    EXPECT_EQ(client.bottom, px(6000));

    struct Row {
        const forms::Control& control;
        const char* windowClass;
    };
    const Row rows[] = {
        {form.label, "LumetraPainted"}, {form.button, "Button"},       {form.check, "Button"},
        {form.text, "Edit"},            {form.list, "ListBox"},        {form.checks, "ListBox"},
        {form.combo, "ComboBox"},       {form.volume, "ScrollBar"},    {form.slider, TRACKBAR_CLASSA},
        {form.frame, "LumetraPainted"}, {form.inFrame, "LumetraPainted"}, {form.image, "LumetraPainted"},
        {form.shape, "LumetraPainted"}, {form.line, "LumetraPainted"}, {form.hidden, "LumetraPainted"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control.name());
        HWND h = win(row.control);
        ASSERT_TRUE(IsWindow(h));
        EXPECT_STRCASEEQ(classOf(h).c_str(), row.windowClass);
        const HWND parent = row.control.container() ? win(*row.control.container()) : top();
        EXPECT_EQ(GetParent(h), parent);
        RECT r{};
        GetWindowRect(h, &r);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
        forms::Rect b = row.control.bounds();
        if (&row.control == &form.line) {
            // A line's window spans both end points, inclusive.
            b.width = (px(form.line.x2()) - px(form.line.x1()) + 1) * 1440 / dpi;
            b.height = 1440 / dpi;
        }
        EXPECT_EQ(r.left, px(b.left));
        EXPECT_EQ(r.top, px(b.top));
        EXPECT_EQ(r.right - r.left, px(b.width));
        if (&row.control != &form.combo) {
            EXPECT_EQ(r.bottom - r.top, std::max(1, px(b.height)));
        }
        EXPECT_EQ(IsWindowVisible(h) != 0, row.control.visible());
    }
    EXPECT_EQ(win(form.timer), nullptr);
}

TEST_F(HostTest, LabelsAndPicturesTakeTheMouseWithAnyButton) {
    for (const forms::Control* c : {static_cast<const forms::Control*>(&form.label), static_cast<const forms::Control*>(&form.image)}) {
        SCOPED_TRACE(c->name());
        auto& control = const_cast<forms::Control&>(*c);
        std::vector<std::string> seen;
        auto record = [&seen](const char* what) {
            return [&seen, what](const forms::MouseArgs& a) {
                seen.push_back(std::string(what) + " " + std::to_string(a.button) + " " +
                               std::to_string(static_cast<int>(a.x)) + "," + std::to_string(static_cast<int>(a.y)));
            };
        };
        control.MouseDown = record("down");
        control.MouseMove = record("move");
        control.MouseUp = record("up");
        control.Click = [&seen] { seen.push_back("click"); };
        HWND h = win(control);
        RECT r{};
        GetWindowRect(h, &r);
        EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(r.left + 2, r.top + 2)), HTCLIENT);
        const int tpp = 1440 / dpi;
        SendMessageW(h, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 3));
        SendMessageW(h, WM_RBUTTONUP, 0, MAKELPARAM(2, 3));
        SendMessageW(h, WM_MOUSEMOVE, MK_MBUTTON, MAKELPARAM(4, 1));
        SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));  // let go outside: no click
        host::pump(app);
        const auto at = [tpp](int x, int y) { return std::to_string(x * tpp) + "," + std::to_string(y * tpp); };
        const std::vector<std::string> expected = {
            "down 2 " + at(2, 3), "up 2 " + at(2, 3), "move 4 " + at(4, 1), "down 1 " + at(5, 5), "up 1 " + at(5, 5),
            "click",              "down 1 " + at(5, 5), "up 1 " + at(500, 5)};
        EXPECT_EQ(seen, expected);
    }
}

TEST_F(HostTest, ButtonsAndCheckBoxesRaiseTheirEventsAndFollowTheProgram) {
    int clicks = 0, ticks = 0;
    form.button.Click = [&] { ++clicks; };
    form.check.Click = [&] { ++ticks; };
    SendMessageW(win(form.button), BM_CLICK, 0, 0);
    host::pump(app);
    EXPECT_EQ(clicks, 1);

    SendMessageW(win(form.check), BM_CLICK, 0, 0);
    host::pump(app);
    EXPECT_EQ(form.check.value(), 1);
    EXPECT_EQ(ticks, 1);
    form.check.setValue(0);  // the program clears it: the box follows, one Click
    EXPECT_EQ(SendMessageW(win(form.check), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(ticks, 2);

    form.button.setCaption("Go");
    EXPECT_EQ(textOf(win(form.button)), "Go");
    form.button.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(win(form.button)));
    form.button.setVisible(false);
    EXPECT_FALSE(IsWindowVisible(win(form.button)));
    form.label.move(240, 240, 900, 300);
    RECT r{};
    GetWindowRect(win(form.label), &r);
    MapWindowPoints(HWND_DESKTOP, top(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, px(240));
    EXPECT_EQ(r.bottom - r.top, px(300));
}

TEST_F(HostTest, EnterAndEscPressTheDefaultAndCancelButtons) {
    int pressed = 0, cancelled = 0;
    form.button.Click = [&] { ++pressed; };
    form.cancel.Click = [&] { ++cancelled; };
    SetForegroundWindow(top());
    SetFocus(win(form.text));
    host::pump(app);
    PostMessageW(win(form.text), WM_KEYDOWN, VK_RETURN, 1);
    host::pump(app);
    PostMessageW(win(form.text), WM_KEYDOWN, VK_ESCAPE, 1);
    host::pump(app);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(cancelled, 1);
}

TEST_F(HostTest, TypedTextReachesTheTextBoxOnceAndProgramTextReachesTheWindow) {
    int changes = 0;
    form.text.Change = [&] { ++changes; };
    SetWindowTextW(win(form.text), L"typed");
    host::pump(app);
    EXPECT_EQ(form.text.text(), "typed");
    EXPECT_EQ(changes, 1);
    form.text.setText("C:\\Program Files\\x");
    EXPECT_EQ(textOf(win(form.text)), "C:\\Program Files\\x");
    EXPECT_EQ(changes, 2);  // the window's own change notice is not a second Change
}

TEST_F(HostTest, ScrollBarsMapTheirRangeWithMinAtTheLeftEnd) {
    HWND volume = win(form.volume);
    int changes = 0, scrolls = 0;
    form.volume.Change = [&] { ++changes; };
    form.volume.Scroll = [&] { ++scrolls; };
    int lo = 0, hi = 0;
    GetScrollRange(volume, SB_CTL, &lo, &hi);
    // 0 (full volume) at the left, -10000 at the right.
    EXPECT_EQ(GetScrollPos(volume, SB_CTL) - lo, 2800);
    EXPECT_EQ(hi - lo, 10000);

    struct Step {
        WORD code;
        int position;
        int value, changes, scrolls;
    };
    const Step steps[] = {
        {SB_LINERIGHT, 0, -2900, 1, 0},   // towards Max
        {SB_PAGELEFT, 0, -1900, 2, 0},    // towards Min by the large change
        {SB_THUMBTRACK, 5000, -5000, 2, 1},
        {SB_THUMBTRACK, 6000, -6000, 2, 2},
        {SB_THUMBPOSITION, 6000, -6000, 3, 2},  // let go where dragging put it: Change still
        {SB_ENDSCROLL, 0, -6000, 3, 2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.value);
        notifyParent(volume, WM_HSCROLL, MAKEWPARAM(s.code, lo + s.position));
        EXPECT_EQ(form.volume.value(), s.value);
        EXPECT_EQ(changes, s.changes);
        EXPECT_EQ(scrolls, s.scrolls);
        EXPECT_EQ(GetScrollPos(volume, SB_CTL) - lo, -s.value);
    }
    form.volume.setValue(-10000);
    EXPECT_EQ(GetScrollPos(volume, SB_CTL), hi);

    // A scroll notice naming a window that is no range control changes nothing.
    for (const forms::Control* c : {static_cast<const forms::Control*>(&form.label), static_cast<const forms::Control*>(&form.list),
                                    static_cast<const forms::Control*>(&form.button), static_cast<const forms::Control*>(&form.frame)}) {
        notifyParent(win(*c), WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0));
        notifyParent(win(*c), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7));
    }
    EXPECT_EQ(form.volume.value(), -10000);
    EXPECT_EQ(changes, 4);

    // A range through 0: the 16-bit thumb position is signed.
    HWND pan = win(form.pan);
    notifyParent(pan, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(static_cast<short>(-5000))));
    EXPECT_EQ(form.pan.value(), -5000);
    EXPECT_EQ(GetScrollPos(pan, SB_CTL), -5000);
}

TEST_F(HostTest, SliderNotificationsBecomeScrollAndChange) {
    HWND slider = win(form.slider);
    int changes = 0, scrolls = 0;
    form.slider.Change = [&] { ++changes; };
    form.slider.Scroll = [&] { ++scrolls; };
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 21);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 30);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPAGESIZE, 0, 0), 5);

    struct Step {
        int position;
        WORD code;
        int value, changes, scrolls;
    };
    const Step steps[] = {
        {12, TB_THUMBTRACK, 12, 0, 1},
        {12, TB_THUMBPOSITION, 12, 1, 1},
        {12, TB_ENDTRACK, 12, 1, 1},
        {13, TB_LINEDOWN, 13, 2, 1},
        {13, TB_ENDTRACK, 13, 2, 1},
        {18, TB_PAGEDOWN, 18, 3, 1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.code);
        SendMessageW(slider, TBM_SETPOS, TRUE, s.position);
        notifyParent(slider, WM_HSCROLL, MAKEWPARAM(s.code, 0));
        EXPECT_EQ(form.slider.value(), s.value);
        EXPECT_EQ(changes, s.changes);
        EXPECT_EQ(scrolls, s.scrolls);
    }
    // A key moves the trackbar itself, which then tells its parent.
    SetFocus(slider);
    SendMessageW(slider, WM_KEYDOWN, VK_RIGHT, 1);
    host::pump(app);
    EXPECT_EQ(form.slider.value(), 19);
    form.slider.setValue(5);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 5);
}

TEST_F(HostTest, ListPressesAndReleasesReachTheList) {
    HWND list = win(form.list);
    std::vector<std::string> seen;
    form.list.MouseDown = [&](const forms::MouseArgs& a) {
        seen.push_back("down " + std::to_string(a.button) + " at " + std::to_string(form.list.listIndex()));
    };
    form.list.MouseUp = [&](const forms::MouseArgs& a) { seen.push_back("up " + std::to_string(a.button)); };
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM onBeta = MAKELPARAM(item.left + 20, (item.top + item.bottom) / 2);
    const LPARAM below = MAKELPARAM(item.left + 20, item.bottom + 3 * (item.bottom - item.top));
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, onBeta);
    SendMessageW(list, WM_LBUTTONUP, 0, onBeta);
    SendMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, below);
    SendMessageW(list, WM_RBUTTONUP, 0, below);
    SendMessageW(list, WM_MBUTTONDOWN, MK_MBUTTON, onBeta);
    SendMessageW(list, WM_MBUTTONUP, 0, onBeta);
    host::pump(app);
    const std::vector<std::string> expected = {"down 1 at 1", "up 1", "down 2 at 1", "up 2", "down 4 at 1", "up 4"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);

    form.list.setListIndex(2);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
    form.list.AddItem("delta");
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
    form.list.Clear();
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(HostTest, APressOnAnEntrysCheckBoxTogglesItsCheck) {
    HWND list = win(form.checks);
    std::vector<int> itemChecks;
    form.checks.ItemCheck = [&](int i) { itemChecks.push_back(i); };
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    const int middle = (item.top + item.bottom) / 2;
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 5, middle));  // on the box
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(item.left + 5, middle));
    host::pump(app);
    EXPECT_TRUE(form.checks.selected(2));
    EXPECT_EQ(form.checks.listIndex(), 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.right - 5, middle));  // on the text
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(item.right - 5, middle));
    host::pump(app);
    EXPECT_TRUE(form.checks.selected(2));
    EXPECT_EQ(itemChecks, std::vector<int>{2});
    EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & LBS_OWNERDRAWFIXED, LBS_OWNERDRAWFIXED);
}

TEST_F(HostTest, ComboPicksAndProgramChangesMeetInTheMiddle) {
    HWND combo = win(form.combo);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);  // no item selected...
    EXPECT_EQ(textOf(combo), "English");                          // ...yet the field shows a text
    int clicks = 0;
    form.combo.Click = [&] { ++clicks; };
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    command(combo, CBN_SELCHANGE);
    EXPECT_EQ(form.combo.listIndex(), 1);
    EXPECT_EQ(form.combo.text(), "Romana");
    EXPECT_EQ(clicks, 1);

    form.combo.setListIndex(0);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(textOf(combo), "English");
    form.combo.setListIndex(-1);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(textOf(combo), "English");  // the field keeps the control's text
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
}

// The rows a list window holds, and its current row, as one line.
template <UINT Count, UINT Length, UINT Text, UINT Current>
std::string windowRows(HWND h) {
    std::string rows;
    const int count = static_cast<int>(SendMessageW(h, Count, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        if (SendMessageW(h, Length, i, 0) < 63) SendMessageA(h, Text, i, reinterpret_cast<LPARAM>(text));
        rows += std::string(i ? "|" : "") + text;
    }
    return rows + " @" + std::to_string(static_cast<int>(SendMessageW(h, Current, 0, 0)));
}

// The rows a list control holds, and its current row, as the window shows them.
template <class List>
std::string controlRows(const List& list) {
    std::string rows;
    for (int i = 0; i < list.ListCount(); ++i) rows += std::string(i ? "|" : "") + list.List(i);
    return rows + " @" + std::to_string(list.listIndex());
}

// Counts the messages a window receives, until destroyed.
LRESULT CALLBACK countMessages(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR counter) {
    ++*reinterpret_cast<int*>(counter);
    return DefSubclassProc(h, msg, wp, lp);
}

TEST_F(HostTest, ListRowsReachTheWindowOneByOne) {
    HWND list = win(form.list), combo = win(form.combo);
    const auto listRows = windowRows<LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL>;
    const auto comboRows = windowRows<CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL>;
    form.list.setListIndex(1);
    form.combo.setListIndex(1);
    struct Step {
        const char* what;
        std::function<void(forms::ListBox&)> onList;
        std::function<void(forms::ComboBox&)> onCombo;
    };
    // Each step on both kinds; the current row follows its entry.
    const Step steps[] = {
        {"insert before the current", [](auto& l) { l.AddItem("first", 0); }, [](auto& c) { c.AddItem("first", 0); }},
        {"insert after the current", [](auto& l) { l.AddItem("third", 3); }, [](auto& c) { c.AddItem("third", 3); }},
        {"append", [](auto& l) { l.AddItem("last"); }, [](auto& c) { c.AddItem("last"); }},
        {"remove before the current", [](auto& l) { l.RemoveItem(0); }, [](auto& c) { c.RemoveItem(0); }},
        {"remove the current", [](auto& l) { l.RemoveItem(1); }, [](auto& c) { c.RemoveItem(1); }},
        {"choose the last", [](auto& l) { l.setListIndex(l.ListCount() - 1); }, [](auto& c) { c.setListIndex(c.ListCount() - 1); }},
        {"remove the last", [](auto& l) { l.RemoveItem(l.ListCount() - 1); }, [](auto& c) { c.RemoveItem(c.ListCount() - 1); }},
        {"clear", [](auto& l) { l.Clear(); }, [](auto& c) { c.Clear(); }},
        {"add after clearing", [](auto& l) { l.AddItem("again"); }, [](auto& c) { c.AddItem("again"); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.onList(form.list);
        step.onCombo(form.combo);
        EXPECT_EQ(listRows(list), controlRows(form.list));
        EXPECT_EQ(comboRows(combo), controlRows(form.combo));
    }
    EXPECT_EQ(controlRows(form.list), "again @-1");

    // One more row costs the window a few messages, not one per row it holds.
    for (int i = 0; i < 200; ++i) form.list.AddItem("row " + std::to_string(i));
    int received = 0;
    ASSERT_TRUE(SetWindowSubclass(list, countMessages, 7, reinterpret_cast<DWORD_PTR>(&received)));
    form.list.AddItem("one more", 100);
    form.list.RemoveItem(50);
    RemoveWindowSubclass(list, countMessages, 7);
    EXPECT_LE(received, 10);
    EXPECT_EQ(listRows(list), controlRows(form.list));
}

TEST_F(HostTest, TimersTickThroughTheMessageLoopWhileRunning) {
    int ticks = 0;
    form.timer.Tick = [&] { ++ticks; };
    form.timer.setInterval(10);
    const DWORD deadline = GetTickCount() + 5000;
    while (ticks < 3 && GetTickCount() < deadline) {
        host::pump(app);
        Sleep(1);
    }
    EXPECT_GE(ticks, 3);
    // A new interval re-times the running timer; disabling stops it.
    form.timer.setInterval(20);
    const int before = ticks;
    while (ticks < before + 2 && GetTickCount() < deadline + 5000) {
        host::pump(app);
        Sleep(1);
    }
    EXPECT_GE(ticks, before + 2);
    form.timer.setEnabled(false);
    const int stopped = ticks;
    for (int i = 0; i < 20; ++i) {
        host::pump(app);
        Sleep(5);
    }
    EXPECT_EQ(ticks, stopped);
}

TEST_F(HostTest, AnErrorInAHandlerComesOutOfTheMessageLoop) {
    form.button.Click = [] { rt::raise(rt::DivisionByZero); };
    PostMessageW(win(form.button), BM_CLICK, 0, 0);
    try {
        host::pump(app);
        FAIL() << "the handler's error was lost";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.number(), rt::DivisionByZero);
    }
}

TEST_F(HostTest, AOneAndATenMillisecondTimerTickAlikeOnOneLoop) {
    // Windows runs any interval below 10 ms at 10 ms; the manual clock of the
    // native tests follows the same rule.
    forms::Timer fast(form, "Fast", 1), slow(form, "Slow", 10);
    int fastTicks = 0, slowTicks = 0;
    fast.Tick = [&] { ++fastTicks; };
    slow.Tick = [&] { ++slowTicks; };
    const DWORD start = GetTickCount();
    for (DWORD now = start; now - start < 1000; now = GetTickCount()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000 - (now - start), QS_ALLINPUT);
        host::pump(app);
    }
    fast.setEnabled(false);
    slow.setEnabled(false);
    std::cout << "ticks in one second: 1 ms timer " << fastTicks << ", 10 ms timer " << slowTicks << ", ratio "
              << static_cast<double>(fastTicks) / std::max(slowTicks, 1) << "\n";
    ASSERT_GE(slowTicks, 20);  // the loop really ran
    EXPECT_NEAR(static_cast<double>(fastTicks) / slowTicks, 1.0, 0.2);
}

TEST_F(HostTest, ControlsAndTimersMadeAfterTheWindowBecomeReal) {
    auto list = std::make_unique<forms::ListBox>(form, "List9");
    list->move(6000, 4500, 1500, 900);
    list->AddItem("late");
    auto label = std::make_unique<forms::Label>(form, "Label9");  // never changed: the loop takes it up
    auto timer = std::make_unique<forms::Timer>(form, "Timer9", 10);
    int ticks = 0;
    timer->Tick = [&] { ++ticks; };
    host::pump(app);
    ASSERT_TRUE(IsWindow(win(*list)));
    EXPECT_STRCASEEQ(classOf(win(*list)).c_str(), "ListBox");
    EXPECT_EQ(GetParent(win(*list)), top());
    EXPECT_EQ(SendMessageW(win(*list), LB_GETCOUNT, 0, 0), 1);
    EXPECT_STRCASEEQ(classOf(win(*label)).c_str(), "LumetraPainted");
    const DWORD deadline = GetTickCount() + 5000;
    while (ticks < 2 && GetTickCount() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        host::pump(app);
    }
    EXPECT_GE(ticks, 2);

    const HWND listWindow = win(*list);
    list.reset();
    timer.reset();
    EXPECT_FALSE(IsWindow(listWindow));  // gone with its control
    host::pump(app);
}

TEST_F(HostTest, AWindowDestroyedByAnyoneElseLeavesNoStaleHandle) {
    DestroyWindow(win(form.label));
    EXPECT_EQ(win(form.label), nullptr);
    form.label.setCaption("Still a label");  // reaches no dead window

    DestroyWindow(top());  // the form's own window, children and all
    EXPECT_EQ(form.hWnd(), 0u);
    EXPECT_EQ(win(form.button), nullptr);
    form.setCaption("Renamed");
    form.button.setCaption("Again");

    // Shown again, the form gets a new window with every control in it.
    form.hide();
    form.show();
    host::pump(app);
    ASSERT_TRUE(IsWindow(top()));
    EXPECT_EQ(textOf(top()), "Renamed");
    EXPECT_EQ(GetParent(win(form.button)), top());
    EXPECT_EQ(textOf(win(form.button)), "Again");
    EXPECT_EQ(GetParent(win(form.label)), top());
}

TEST_F(HostTest, ProgramSideFormChangesReachTheWindow) {
    form.setCaption("Renamed");
    EXPECT_EQ(textOf(top()), "Renamed");
    form.setLeft(1500);
    form.setTop(3000);
    RECT r{};
    GetWindowRect(top(), &r);
    EXPECT_EQ(r.left, px(1500));
    EXPECT_EQ(r.top, px(3000));
    form.setWindowState(forms::Form::State::Minimized);
    host::pump(app);
    EXPECT_TRUE(IsIconic(top()));
    ShowWindow(top(), SW_RESTORE);  // as the task bar would
    host::pump(app);
    EXPECT_EQ(form.windowState(), forms::Form::State::Normal);
    form.hide();
    EXPECT_FALSE(IsWindowVisible(top()));
}

TEST_F(HostTest, TheBareFormTakesTheMouseAndLearnsWhereTheSystemPutsIt) {
    std::vector<std::string> seen;
    form.MouseDown = [&](const forms::MouseArgs& a) {
        seen.push_back("down " + std::to_string(a.button) + " " + std::to_string(static_cast<int>(a.x)));
    };
    form.MouseUp = [&](const forms::MouseArgs& a) { seen.push_back("up " + std::to_string(a.button)); };
    form.Click = [&] { seen.push_back("click"); };
    const int tpp = 1440 / dpi;
    SendMessageW(top(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(400, 300));
    SendMessageW(top(), WM_MBUTTONUP, 0, MAKELPARAM(400, 300));
    SendMessageW(top(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(400, 300));
    SendMessageW(top(), WM_LBUTTONUP, 0, MAKELPARAM(400, 300));
    host::pump(app);
    const std::vector<std::string> expected = {"down 4 " + std::to_string(400 * tpp), "up 4",
                                               "down 1 " + std::to_string(400 * tpp), "up 1", "click"};
    EXPECT_EQ(seen, expected);

    SetWindowPos(top(), nullptr, 40, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // as a drag would
    host::pump(app);
    EXPECT_EQ(form.left(), 40.0f * tpp);
    EXPECT_EQ(form.top(), 60.0f * tpp);
}

TEST_F(HostTest, AButtonWithAFaceColourIsDrawnByTheHostAndStillPresses) {
    HWND button = win(form.button);
    EXPECT_NE(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    form.button.setBackColor(0xE0E0E0);
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    int clicks = 0;
    form.button.Click = [&] { ++clicks; };
    SendMessageW(button, BM_CLICK, 0, 0);
    host::pump(app);
    EXPECT_EQ(clicks, 1);
    form.button.setBackColor(forms::kButtonFace);
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(HostTest, TheEndOfTheSessionUnloadsTheForm) {
    int unloads = 0;
    form.Unload = [&] { ++unloads; };
    SendMessageW(top(), WM_ENDSESSION, FALSE, 0);  // the shutdown was cancelled
    EXPECT_EQ(unloads, 0);
    SendMessageW(top(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(form.loaded());
}

TEST_F(HostTest, ClosingByTheSystemUnloadsAndEndsTheLoop) {
    int unloads = 0;
    form.Unload = [&] { ++unloads; };
    PostMessageW(top(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app.run(), 0);  // returns once no loaded form is left
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.hWnd(), 0u);

    form.show();  // loads it again, in a new window with new controls
    host::pump(app);
    EXPECT_TRUE(form.loaded());
    EXPECT_TRUE(IsWindowVisible(top()));
    EXPECT_EQ(GetParent(win(form.button)), top());
    EXPECT_EQ(textOf(win(form.button)), "Press");
}

// Each owner closes what it holds once, knows its own "none" (a failed
// CreateFile is INVALID_HANDLE_VALUE, not null) and hands it on when moved.
TEST(HostOwners, CloseOnceKnowTheirNoneValueAndMove) {
    wchar_t folder[MAX_PATH] = {}, path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"own", 0, path);
    auto open = [&] { return CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); };

    host::UniqueFile missing(CreateFileW(L"Z:\\no\\such\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(missing);
    host::UniqueFile file(open());
    ASSERT_TRUE(file);
    host::UniqueFile taken = std::move(file);
    EXPECT_FALSE(file);
    EXPECT_EQ(open(), INVALID_HANDLE_VALUE);  // still held: no sharing
    taken.reset();
    host::UniqueFile again(open());
    EXPECT_TRUE(again);  // closed once, by the owner that held it last
    again.reset();
    DeleteFileW(path);

    HWND made = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    {
        host::UniqueWindow window(made);
        host::UniqueWindow other;
        other = std::move(window);
        EXPECT_TRUE(IsWindow(made));
    }
    EXPECT_FALSE(IsWindow(made));

    HKEY raw = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\LumetraOwnerTest", 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &raw, nullptr), ERROR_SUCCESS);
    {
        host::UniqueKey key(raw);
        EXPECT_EQ(RegSetValueExW(key.get(), L"v", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4), ERROR_SUCCESS);
    }
    EXPECT_EQ(RegSetValueExW(raw, L"v", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4), ERROR_INVALID_HANDLE);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\LumetraOwnerTest");
}

// A wizard page that its own handlers destroy: "Done", a close picture, a
// ticked entry, its timer, the system's close.
struct PageForm : forms::Form {
    PageForm() : Form("Page") {
        setCaption("Page");
        setClientSize(6000, 4000);
        done.move(120, 120, 1200, 375);
        done.setCaption("Done");
        picture.move(1500, 120, 600, 600);
        checks.move(120, 900, 2400, 1200);
        checks.setStyle(forms::ListBox::Style::CheckBox);
        checks.AddItem("one");
        checks.AddItem("two");
    }
    forms::CommandButton done{*this, "Command1"};
    forms::Image picture{*this, "Image1"};
    forms::ListBox checks{*this, "List1"};
    forms::Timer timer{*this, "Timer1", 0};
};

// Holds a form whose memory is overwritten the moment it is destroyed, as if
// at once given to something else: code still using it afterwards shows.
class DoomedPage {
public:
    PageForm& make() { return *new (storage_) PageForm(); }
    void destroy() {
        std::launder(reinterpret_cast<PageForm*>(storage_))->~PageForm();
        std::memset(storage_, 0xDD, sizeof storage_);
    }

private:
    alignas(PageForm) unsigned char storage_[sizeof(PageForm)];
};

TEST(HostHandlers, AHandlerThatDestroysItsOwnFormLeavesNothingRunningOnIt) {
    host::Application app;
    struct Row {
        const char* what;
        void (*wire)(PageForm&, std::function<void()>);
        void (*trigger)(HWND top, PageForm&, host::Application&);
    };
    const Row rows[] = {
        {"Done pressed", [](PageForm& f, std::function<void()> h) { f.done.Click = h; },
         [](HWND, PageForm& f, host::Application&) { SendMessageW(host::windowOf(f.done), BM_CLICK, 0, 0); }},
        {"close picture released", [](PageForm& f, std::function<void()> h) { f.picture.MouseUp = [h](const forms::MouseArgs&) { h(); }; },
         [](HWND, PageForm& f, host::Application&) {
             SendMessageW(host::windowOf(f.picture), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
             SendMessageW(host::windowOf(f.picture), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
         }},
        {"close picture clicked", [](PageForm& f, std::function<void()> h) { f.picture.Click = h; },
         [](HWND, PageForm& f, host::Application&) {
             SendMessageW(host::windowOf(f.picture), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
             SendMessageW(host::windowOf(f.picture), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
         }},
        {"entry picked on its check box", [](PageForm& f, std::function<void()> h) { f.checks.Click = h; },
         [](HWND, PageForm& f, host::Application&) {
             HWND list = host::windowOf(f.checks);
             RECT item{};
             SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
             const LPARAM onBox = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
             SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, onBox);
             SendMessageW(list, WM_LBUTTONUP, 0, onBox);
         }},
        {"timer tick", [](PageForm& f, std::function<void()> h) { f.timer.Tick = h; f.timer.setInterval(10); },
         [](HWND top, PageForm&, host::Application& a) {
             for (int i = 0; i < 200 && IsWindow(top); ++i) {
                 MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
                 host::pump(a);
             }
         }},
        {"closed by the system", [](PageForm& f, std::function<void()> h) { f.Unload = h; },
         [](HWND top, PageForm&, host::Application&) { SendMessageW(top, WM_CLOSE, 0, 0); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DoomedPage page;
        PageForm& form = page.make();
        std::vector<std::string> ran;
        // The handler goes on after destroying the form, reading what it captured.
        row.wire(form, [&page, &ran, what = std::string(row.what)] {
            page.destroy();
            ran.push_back(what);
        });
        app.attach(form);
        form.show();
        host::pump(app);
        const HWND top = reinterpret_cast<HWND>(form.hWnd());
        row.trigger(top, form, app);
        host::pump(app);
        EXPECT_EQ(ran, std::vector<std::string>{row.what});
        EXPECT_FALSE(IsWindow(top));
    }
}

struct BorderlessForm : forms::Form {
    BorderlessForm() : Form("Borderless") {
        setCaption("Borderless");
        setBorder(Border::None);
        setClientSize(10365, 6465);
        back.move(0, 0, 10365, 6465);
    }
    forms::Label back{*this, "Label1"};
};

TEST(HostWindow, ABorderlessFormHasNoFrameAndTakesARoundOutline) {
    host::Application app;
    BorderlessForm form;
    app.attach(form);
    form.show();
    HWND h = reinterpret_cast<HWND>(form.hWnd());
    const int dpi = static_cast<int>(GetDpiForWindow(h));
    const LONG style = GetWindowLongW(h, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    RECT outer{}, client{};
    GetWindowRect(h, &outer);
    GetClientRect(h, &client);
    EXPECT_EQ(outer.right - outer.left, client.right);
    EXPECT_EQ(client.right, MulDiv(10365, dpi, 1440));
    EXPECT_EQ(form.width(), form.clientWidth());  // no border reported

    const int w = client.right, hgt = client.bottom;
    form.setRegion(forms::Form::RoundRegion{w, hgt, 11});
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(h, probe), ERROR);
    RECT box{};
    GetRgnBox(probe, &box);
    // The region stops short of its right and bottom coordinates by a pixel.
    EXPECT_GE(box.right - box.left, w - 1);
    EXPECT_LE(box.right - box.left, w);
    EXPECT_FALSE(PtInRegion(probe, 0, 0));  // the corner is cut away
    EXPECT_TRUE(PtInRegion(probe, w / 2, 0));
    DeleteObject(probe);
}

} // namespace
