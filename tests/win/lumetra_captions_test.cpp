// Every caption of the main window fits the control that shows it, measured
// in the font that control really draws with, in English and in Romanian, at
// the DPI of the Wine prefix the test runs in (LUMETRA_EXPECT_DPI names it, so
// that a prefix left at another DPI fails instead of testing the wrong thing).
#include "Lumetra/Form1.h"
#include "fake_sound.h"
#include "fake_window_platform.h"
#include "forms/controls.h"
#include "forms/lists.h"
#include "win32/host.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::wstring wide(const std::string& text) {
    std::wstring out(text.size() + 1, L'\0');
    out.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size())) - 1));
    return out;
}

std::vector<std::wstring> words(const std::wstring& text) {
    std::vector<std::wstring> out;
    std::wistringstream in(text);
    for (std::wstring w; in >> w;) out.push_back(w);
    return out;
}

// A screen DC holding the font a control's window draws with.
class Measure {
public:
    explicit Measure(HWND control) : dc_(GetDC(nullptr)) {
        font_ = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        old_ = SelectObject(dc_, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
        GetTextMetricsW(dc_, &tm_);
    }
    ~Measure() {
        SelectObject(dc_, old_);
        ReleaseDC(nullptr, dc_);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;

    int width(const std::wstring& text) const {
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    int lineHeight() const { return tm_.tmHeight; }
    std::wstring face() const {
        wchar_t name[LF_FACESIZE] = {};
        GetTextFaceW(dc_, LF_FACESIZE, name);
        return name;
    }
    // The box word-wrapped text needs within `width` pixels, as a label draws it.
    SIZE wrapped(const std::wstring& text, int width) const {
        RECT r{0, 0, width, 0};
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
        return {r.right, r.bottom};
    }

private:
    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ old_ = nullptr;
    TEXTMETRICW tm_{};
};

struct Captions : ::testing::Test {
    host::Application app;
    fakes::FakeSoundSystem sound;
    fakes::FakeWindowPlatform desk;
    lumetra::Form1 form{sound, desk.platform()};
    UINT dpi = 0;
    std::vector<std::string> misfits;

    Captions() {
        forms::setEndHandler(nullptr);
        app.attach(form);
        form.load();
        form.show();
        app.pump();
        dpi = GetDpiForWindow(reinterpret_cast<HWND>(form.hWnd()));
    }

    HWND win(const forms::Control& c) const { return reinterpret_cast<HWND>(app.windowOf(c)); }
    SIZE clientSize(const forms::Control& c) const {
        RECT r{};
        GetClientRect(win(c), &r);
        return {r.right, r.bottom};
    }
    // On screen: shown, and inside the window's client area (the hidden
    // controls lie below it).
    bool onScreen(const forms::Control& c) const {
        const forms::Rect b = c.bounds();
        return win(c) && IsWindowVisible(win(c)) && b.top + b.height <= form.clientHeight() && !c.container();
    }
    void misfit(const forms::Control& c, const std::wstring& text, int needW, int needH, SIZE room) {
        std::ostringstream line;
        std::string narrow(text.begin(), text.end());
        line << c.name() << " \"" << narrow << "\" needs " << needW << " x " << needH << " px, has " << room.cx << " x "
             << room.cy;
        misfits.push_back(line.str());
    }

    void checkLabel(const forms::Label& label) {
        if (label.caption().empty() || !onScreen(label)) return;
        const std::wstring text = wide(label.caption());
        Measure m(win(label));
        const SIZE room = clientSize(label);
        if (label.alignment() == forms::Alignment::Spread) {
            // The words side by side with at least a space between each two.
            int need = 0;
            for (const auto& w : words(text)) need += m.width(w) + (need ? m.width(L" ") : 0);
            if (need > room.cx || m.lineHeight() > room.cy) misfit(label, text, need, m.lineHeight(), room);
        } else if (room.cy < 2 * m.lineHeight()) {
            // Room for one line only: the whole caption on it.
            const int need = m.width(text);
            if (need > room.cx || m.lineHeight() > room.cy) misfit(label, text, need, m.lineHeight(), room);
        } else {
            const SIZE need = m.wrapped(text, room.cx);
            if (need.cx > room.cx || need.cy > room.cy) misfit(label, text, need.cx, need.cy, room);
        }
    }

    void checkButton(const forms::CommandButton& button) {
        if (!onScreen(button)) return;
        const std::wstring text = wide(button.caption());
        Measure m(win(button));
        const SIZE room = clientSize(button);
        const int edges = 4 * GetSystemMetricsForDpi(SM_CXEDGE, dpi);
        if (m.width(text) + edges > room.cx || m.lineHeight() > room.cy)
            misfit(button, text, m.width(text) + edges, m.lineHeight(), room);
    }

    // Each entry beside its check box, and the selected preset's name in
    // Label17, which shows whichever entry was picked last.
    void checkPresets() {
        Measure m(win(form.MentalState));
        const SIZE room = clientSize(form.MentalState);
        // The check box (13 pixels at 96 DPI) and the gaps beside it.
        const int checkBox = MulDiv(13, static_cast<int>(dpi), 96) + 4;
        const int itemHeight = static_cast<int>(SendMessageW(win(form.MentalState), LB_GETITEMHEIGHT, 0, 0));
        if (itemHeight * form.MentalState.ListCount() > room.cy)
            misfit(form.MentalState, L"(all entries)", room.cx, itemHeight * form.MentalState.ListCount(), room);
        for (int i = 0; i < form.MentalState.ListCount(); ++i) {
            const std::wstring text = wide(form.MentalState.List(i));
            if (m.width(text) + checkBox > room.cx) misfit(form.MentalState, text, m.width(text) + checkBox, itemHeight, room);
            const std::string saved = form.Label17.caption();
            form.Label17.setCaption(form.MentalState.List(i));
            checkLabel(form.Label17);
            form.Label17.setCaption(saved);
        }
    }

    void checkLanguageBox() {
        HWND combo = win(form.Combo1);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo, &info));
        Measure m(combo);
        RECT field{};
        GetClientRect(info.hwndItem, &field);
        for (int i = 0; i < form.Combo1.ListCount(); ++i) {
            const std::wstring text = wide(form.Combo1.List(i));
            if (m.width(text) > field.right) misfit(form.Combo1, text, m.width(text), m.lineHeight(), {field.right, field.bottom});
        }
    }

    void checkAll() {
        for (forms::Control* c : form.controls()) {
            if (auto* label = dynamic_cast<forms::Label*>(c)) checkLabel(*label);
            else if (auto* button = dynamic_cast<forms::CommandButton*>(c)) checkButton(*button);
        }
        checkPresets();
        checkLanguageBox();
    }
};

TEST_F(Captions, EveryCaptionFitsItsControlInBothLanguages) {
    const char* expected = std::getenv("LUMETRA_EXPECT_DPI");
    ASSERT_NE(expected, nullptr) << "say which DPI the prefix was set to";
    ASSERT_EQ(dpi, static_cast<UINT>(std::atoi(expected))) << "the prefix is not at the DPI this run is for";

    // The window is laid out for MS Sans Serif's metrics: Windows' own font,
    // or Liberation Sans, which Wine takes in its place. Any other fallback
    // (a machine without the fonts) draws wider.
    const std::wstring face = Measure(win(form.Label21)).face();
    EXPECT_TRUE(face == L"MS Sans Serif" || face == L"Microsoft Sans Serif" || face == L"Liberation Sans")
        << "the window's font came out as " << std::string(face.begin(), face.end());

    for (int language : {0, 1}) {
        form.Combo1.setListIndex(language);
        app.pump();
        ASSERT_EQ(form.Label19.caption(), language == 0 ? "Language" : "Limba");
        checkAll();
    }
    std::string report;
    for (const auto& m : misfits) report += "\n  " + m;
    EXPECT_TRUE(misfits.empty()) << "captions that do not fit at " << dpi << " DPI:" << report;
}

} // namespace
