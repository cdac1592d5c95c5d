// Lumetra's main window in a real window under Wine: no frame, the rounded
// outline, the saved position kept only where a screen shows it, dragging by
// the title strip, and the web link handed to the shell.
#include "Lumetra/Form1.h"
#include "fake_sound.h"
#include "fake_window_platform.h"
#include "win32/host.h"
#include "window_of.h"
#include "message_pump.h"
#include "win32/monitors_win32.h"
#include "win32/window_choice_menu.h"
#include "win32/window_command.h"
#include "win32/window_shell_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

// The real window shell and monitors; folders and files in memory.
struct RealWindow : ::testing::Test {
    host::Application app;
    fakes::FakeSoundSystem sound;
    fakes::FakeWindowPlatform desk;
    host::Win32WindowShell shell;
    host::SystemMonitors monitors;
    std::unique_ptr<lumetra::Form1> form;

    void open() {
        form = std::make_unique<lumetra::Form1>(sound, lumetra::WindowPlatform{desk.folders, desk.files, shell, monitors});
        app.attach(*form);
        form->load();
        form->show();
        host::pump(app);
    }
    HWND top() const { return reinterpret_cast<HWND>(form->hWnd()); }
    HWND win(const forms::Control& c) const { return host::windowOf(c); }
    RECT rect() const {
        RECT r{};
        GetWindowRect(top(), &r);
        return r;
    }
    // Pumps messages until `done` or a few seconds have passed.
    template <class Done>
    bool pumpUntil(Done done) {
        for (int i = 0; i < 500 && !done(); ++i) {
            host::pump(app);
            Sleep(10);
        }
        return done();
    }
};

TEST_F(RealWindow, HasNoFrameAndARoundedOutlineOfTheWholeClientArea) {
    open();
    ASSERT_TRUE(IsWindowVisible(top()));
    ASSERT_EQ(GetDpiForWindow(top()), 96u) << "the outline is checked at 96 DPI";
    const LONG style = GetWindowLongW(top(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    RECT client{};
    GetClientRect(top(), &client);
    EXPECT_EQ(client.right, 691);
    EXPECT_EQ(client.bottom, 431);
    const RECT outer = rect();
    EXPECT_EQ(outer.right - outer.left, 691);

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(top(), region), ERROR);
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    // The rounded region stops a pixel short of its right and bottom edges.
    EXPECT_GE(box.right, 690);
    EXPECT_LE(box.right, 691);
    EXPECT_GE(box.bottom, 430);
    EXPECT_LE(box.bottom, 431);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 689, 429));
    EXPECT_TRUE(PtInRegion(region, 345, 0));
    EXPECT_TRUE(PtInRegion(region, 0, 215));
    DeleteObject(region);

    char caption[64] = {};
    GetWindowTextA(top(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Corvane Lumetra 1.2.0");
}

// Moved to a 144-DPI monitor and back: everything grows by 1.5 and returns,
// the outline's corner too, and the program converts with the new scale.
TEST_F(RealWindow, AChangeOfDpiRelaysTheWindowOutlinesItAnewAndComesBack) {
    open();
    ASSERT_EQ(GetDpiForWindow(top()), 96u);
    auto changeTo = [&](UINT dpi) {
        RECT suggested = rect();
        SendMessageW(top(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        host::pump(app);
    };
    auto clientOf = [](HWND h) {
        RECT r{};
        GetClientRect(h, &r);
        return std::pair{r.right, r.bottom};
    };
    auto fontHeight = [&](const forms::Control& c) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(win(c), WM_GETFONT, 0, 0)), sizeof font, &font);
        return font.lfHeight;
    };
    // The top row's fifth pixel: inside an 11-pixel rounding, outside a 16-pixel one.
    auto cornerPointInside = [&] {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(top(), region);
        RECT box{};
        GetRgnBox(region, &box);
        const bool inside = PtInRegion(region, 4, 0);
        DeleteObject(region);
        return std::pair{inside, box.right};
    };
    struct Expect {
        UINT dpi;
        double tpp;
        // The close picture's edges at 984, 3, 1015.5 and 34.5 pixels round
        // to the even neighbour: 32 x 31.
        std::pair<LONG, LONG> client, closePicture, list;
        LONG labelFont;
        bool corner;
        LONG regionRight;
    };
    for (const Expect& e : {Expect{144, 10, {1036, 646}, {32, 31}, {262, 411}, -17, false, 1036},
                            Expect{96, 15, {691, 431}, {21, 21}, {175, 274}, -11, true, 691}}) {
        changeTo(e.dpi);
        SCOPED_TRACE(e.dpi);
        EXPECT_EQ(forms::screen().twipsPerPixelX, e.tpp);
        EXPECT_EQ(clientOf(top()), e.client);
        EXPECT_EQ(clientOf(win(form->Image5)), e.closePicture);
        const auto [w, h] = clientOf(win(form->MentalState));
        EXPECT_NEAR(w, e.list.first, 4);  // inside its edge
        EXPECT_NEAR(h, e.list.second, 4);
        EXPECT_EQ(fontHeight(form->Label21), e.labelFont);
        const auto [corner, right] = cornerPointInside();
        EXPECT_EQ(corner, e.corner) << "the outline's corner grows with the DPI";
        EXPECT_NEAR(right, e.regionRight, 1);
    }
}

TEST_F(RealWindow, ASavedPositionOnTheScreenIsUsedAndOneOffItIsNot) {
    desk.writeSettings("-2800\r\n0\r\n21\r\n1830\r\n1245\r\n");
    open();
    EXPECT_EQ(rect().left, 122);
    EXPECT_EQ(rect().top, 83);
    form.reset();

    desk.writeSettings("-2800\r\n0\r\n21\r\n-300000\r\n-300000\r\n");
    open();
    EXPECT_FALSE(form->positioned());
    HMONITOR shown = MonitorFromWindow(top(), MONITOR_DEFAULTTONULL);
    EXPECT_NE(shown, nullptr) << "left at " << rect().left << ", " << rect().top;
}

// The window menu's "Stop after" submenu, read as the menu shows it: the
// choices in the window's language, the chosen one checked.
TEST_F(RealWindow, TheSleepTimerMenuOffersItsChoicesInBothLanguagesAndChecksTheChosenOne) {
    open();
    host::WindowChoiceMenu menu(*form, host::WindowCommand::kItemId,
                                {[this] { return form->sleepMenuTitle(); }, [this] { return form->sleepMenuItems(); },
                                 [this] { return form->sleepMenuChecked(); },
                                 [this](int item) { form->sleepMenuChoose(item); }});
    HMENU system = GetSystemMenu(top(), FALSE);
    ASSERT_TRUE(system);
    const int last = GetMenuItemCount(system) - 1;
    HMENU popup = GetSubMenu(system, last);
    ASSERT_TRUE(popup) << "the submenu is not at the end of the window menu";
    auto text = [](HMENU m, UINT item, UINT by) {
        wchar_t buffer[64] = {};
        GetMenuStringW(m, item, buffer, 64, by);
        std::string out(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, buffer, -1, nullptr, 0, nullptr, nullptr)), '\0');
        WideCharToMultiByte(CP_UTF8, 0, buffer, -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
        out.resize(out.size() - 1);
        return out;
    };
    // What the menu shows as it opens: title, items, and the one checked.
    auto shown = [&] {
        SendMessageW(top(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(system), MAKELPARAM(0, TRUE));
        SendMessageW(top(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(last, FALSE));
        std::string out = text(system, static_cast<UINT>(last), MF_BYPOSITION) + ":";
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            const bool checked = GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED;
            out += " " + std::string(checked ? "*" : "") + text(popup, static_cast<UINT>(i), MF_BYPOSITION) + ",";
        }
        return out;
    };
    // No settings: the window speaks Romanian.
    EXPECT_EQ(shown(), "Oprește după: *Dezactivat, 15 minute, 30 de minute, 45 de minute, 60 de minute, 90 de minute, "
                       "120 de minute,");
    SendMessageW(top(), WM_SYSCOMMAND, host::WindowChoiceMenu::itemId(4), 0);
    EXPECT_EQ(form->sleepMenuChecked(), 4);  // 60 minutes
    form->Combo1.setListIndex(0);
    EXPECT_EQ(shown(), "Stop after: Off, 15 minutes, 30 minutes, 45 minutes, *60 minutes, 90 minutes, 120 minutes,");
}

TEST(SystemMonitors, TheWorkAreasIncludeThePrimaryOne) {
    RECT primary{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &primary, 0));
    const auto areas = host::SystemMonitors().workAreas();
    EXPECT_TRUE(std::any_of(areas.begin(), areas.end(), [&](const platform::PixelRect& a) {
        return a.left == primary.left && a.top == primary.top && a.right == primary.right && a.bottom == primary.bottom;
    })) << areas.size() << " work areas";
}

// The form's window procedure, watched: a press on the title strip must ask
// the system to move the window as if its caption had been pressed.
WNDPROC g_formProc = nullptr;
std::atomic<int> g_captionPresses{0};
LRESULT CALLBACK watchProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCLBUTTONDOWN && wp == HTCAPTION) ++g_captionPresses;
    return CallWindowProcW(g_formProc, h, msg, wp, lp);
}

void sendMouse(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

TEST_F(RealWindow, APressOnTheTitleStripAndMotionMoveTheWindow) {
    open();
    g_formProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(top(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&watchProc)));
    g_captionPresses = 0;
    SetForegroundWindow(top());
    const RECT before = rect();
    RECT strip{};
    GetWindowRect(win(form->Image4), &strip);
    // A point of the strip clear of the title and the two pictures.
    const POINT press{strip.left + 60, strip.top + 12};

    // The move loop runs inside the press's handler: the hand that moves the
    // mouse must be another thread.
    std::atomic<bool> done{false};
    std::thread hand([&] {
        SetCursorPos(press.x, press.y);
        Sleep(200);
        sendMouse(MOUSEEVENTF_LEFTDOWN);
        Sleep(300);
        for (int i = 1; i <= 10; ++i) {
            SetCursorPos(press.x + 8 * i, press.y + 5 * i);
            Sleep(50);
        }
        Sleep(200);
        sendMouse(MOUSEEVENTF_LEFTUP);
        Sleep(300);
        done = true;
    });
    pumpUntil([&] { return done.load(); });
    hand.join();
    host::pump(app);
    SetWindowLongPtrW(top(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_formProc));

    EXPECT_EQ(g_captionPresses.load(), 1);
    // The window went as far as the pointer did.
    const RECT after = rect();
    EXPECT_EQ(after.left - before.left, 80);
    EXPECT_EQ(after.top - before.top, 50);
    // The program learns where the window went: the next save writes it.
    EXPECT_EQ(form->left(), static_cast<float>(after.left * 15));
    EXPECT_EQ(form->top(), static_cast<float>(after.top * 15));
}

// The shell opens http addresses with the command the class registry names
// for them; here that is a recorder that writes the address it was given to a
// file. The prefix's own command is put back afterwards.
constexpr const char* kHttpCommand = "http\\shell\\open\\command";

struct ShellLink : RealWindow {
    std::string folder, recorded, previous;

    ShellLink() {
        char exe[MAX_PATH];
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        folder = exe;
        folder.erase(folder.find_last_of('\\'));
        recorded = folder + "\\url_recorded_" + std::to_string(GetCurrentProcessId()) + ".txt";
        previous = readCommand();
        writeCommand("\"" + folder + "\\url_recorder.exe\" \"" + recorded + "\" \"%1\"");
    }
    ~ShellLink() override {
        writeCommand(previous);
        DeleteFileA(recorded.c_str());
    }
    static std::string readCommand() {
        char value[1024] = {};
        LONG size = sizeof value;
        if (RegQueryValueA(HKEY_CLASSES_ROOT, kHttpCommand, value, &size) != ERROR_SUCCESS) return {};
        return value;
    }
    static void writeCommand(const std::string& command) {
        RegSetValueA(HKEY_CLASSES_ROOT, kHttpCommand, REG_SZ, command.c_str(), static_cast<DWORD>(command.size()));
    }

    // Clicks the link and waits for the address the browser was given.
    std::string follow() {
        DeleteFileA(recorded.c_str());
        form->Label4.Click();
        std::string address;
        pumpUntil([&] {
            std::ifstream in(recorded, std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            address = text.str();
            return !address.empty();
        });
        return address;
    }
};

TEST_F(ShellLink, TheLinkAsksTheShellForTheRootPageInEnglishAndTheRomanianPageOtherwise) {
    open();
    ASSERT_EQ(form->Combo1.listIndex(), -1);
    EXPECT_EQ(follow(), "http://www.corvanesoft.example/ro");
    form->Combo1.setListIndex(0);
    EXPECT_EQ(follow(), "http://www.corvanesoft.example");
    form->Combo1.setListIndex(1);
    EXPECT_EQ(follow(), "http://www.corvanesoft.example/ro");
}

} // namespace
