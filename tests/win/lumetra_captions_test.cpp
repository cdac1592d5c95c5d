// Every caption of the product's windows fits the control that shows it,
// measured in the font that control really draws with, at the DPI of the
// Wine prefix the test runs in (LUMETRA_EXPECT_DPI names it, so that a prefix
// left at another DPI fails instead of testing the wrong thing): the main
// window in English and in Romanian, and every page of both wizards and both
// completion windows. With LUMETRA_PICTURE_DIR set, each wizard page is also
// kept there as a picture, for the check that a window at 144 DPI is the one
// at 96 DPI grown by 1.5.
#include "Lumetra/Form1.h"
#include "Package/archive_format.h"
#include "Setup/SetupForm1.h"
#include "Uninstall/UninstallDoneForm.h"
#include "Uninstall/UninstallForm1.h"
#include "Wizard/Language.h"
#include "fake_registry.h"
#include "fake_shortcuts.h"
#include "fake_sound.h"
#include "fake_window_platform.h"
#include "fixed_folders.h"
#include "forms/controls.h"
#include "forms/lists.h"
#include "memory_files.h"
#include "scripted_folder_picker.h"
#include "scripted_message_boxes.h"
#include "win32/host.h"
#include "message_pump.h"
#include "window_of.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
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

// What a button shows: "&" marks the access key and is not drawn.
std::wstring shown(const std::string& caption) {
    std::wstring text = wide(caption), out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

// A window's client area as the screen shows it, kept as a 24-bit BMP.
void keepPicture(HWND window, const std::string& path) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const int w = client.right, h = client.bottom;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = (static_cast<DWORD>(w) * 3 + 3) & ~3u, size = rowBytes * static_cast<DWORD>(h);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + size;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), size);
    EXPECT_TRUE(out.good()) << "cannot write " << path;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

struct Captions : ::testing::Test {
    host::Application app;
    UINT dpi = 0;
    std::vector<std::string> misfits;
    std::string state;  // the window and page being checked, for the report

    void expectDpi(const forms::Form& form) {
        dpi = GetDpiForWindow(reinterpret_cast<HWND>(form.hWnd()));
        const char* expected = std::getenv("LUMETRA_EXPECT_DPI");
        ASSERT_NE(expected, nullptr) << "say which DPI the prefix was set to";
        ASSERT_EQ(dpi, static_cast<UINT>(std::atoi(expected))) << "the prefix is not at the DPI this run is for";
    }
    void report() {
        std::string lines;
        for (const auto& m : misfits) lines += "\n  " + m;
        EXPECT_TRUE(misfits.empty()) << "captions that do not fit:" << lines;
    }

    HWND win(const forms::Control& c) const { return host::windowOf(c); }
    SIZE clientSize(const forms::Control& c) const {
        RECT r{};
        GetClientRect(win(c), &r);
        return {r.right, r.bottom};
    }
    // On screen: shown, and inside the window's client area (the hidden
    // controls of the main window lie below it).
    bool onScreen(const forms::Control& c) const {
        if (!win(c) || !IsWindowVisible(win(c))) return false;
        int bottom = c.bounds().top + c.bounds().height;
        for (const forms::Frame* f = c.container(); f; f = f->container()) bottom += f->bounds().top;
        return bottom <= c.form().clientHeight();
    }
    void misfit(const forms::Control& c, const std::wstring& text, int needW, int needH, SIZE room) {
        std::ostringstream line;
        std::string narrow(text.begin(), text.end());
        line << state << ": " << c.name() << " \"" << narrow << "\" needs " << needW << " x " << needH << " px, has "
             << room.cx << " x " << room.cy;
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
        const std::wstring text = shown(button.caption());
        Measure m(win(button));
        const SIZE room = clientSize(button);
        const int edges = 4 * GetSystemMetricsForDpi(SM_CXEDGE, dpi);
        if (m.width(text) + edges > room.cx || m.lineHeight() > room.cy)
            misfit(button, text, m.width(text) + edges, m.lineHeight(), room);
    }

    // The caption beside its box or circle (13 pixels at 96 DPI) and the gap
    // between.
    template <class Box>
    void checkCheckBox(const Box& box) {
        if (!onScreen(box)) return;
        const std::wstring text = shown(box.caption());
        Measure m(win(box));
        const SIZE room = clientSize(box);
        const int need = MulDiv(13 + 4, static_cast<int>(dpi), 96) + m.width(text);
        if (need > room.cx || m.lineHeight() > room.cy) misfit(box, text, need, m.lineHeight(), room);
    }

    // Every label, button, check box and option button of the form as it shows now.
    void checkForm(const forms::Form& form) {
        host::pump(app);
        for (forms::Control* c : form.controls()) {
            if (auto* label = dynamic_cast<forms::Label*>(c)) checkLabel(*label);
            else if (auto* button = dynamic_cast<forms::CommandButton*>(c)) checkButton(*button);
            else if (auto* box = dynamic_cast<forms::CheckBox*>(c)) checkCheckBox(*box);
            else if (auto* option = dynamic_cast<forms::OptionButton*>(c)) checkCheckBox(*option);
        }
    }
};

struct MainWindowCaptions : Captions {
    fakes::FakeSoundSystem sound;
    fakes::FakeWindowPlatform desk;
    lumetra::Form1 form{sound, desk.platform()};

    MainWindowCaptions() {
        app.attach(form);
        form.load();
        form.show();
        host::pump(app);
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
};

TEST_F(MainWindowCaptions, EveryCaptionFitsItsControlInBothLanguages) {
    expectDpi(form);

    // The window is laid out for MS Sans Serif's metrics: Windows' own font,
    // or Liberation Sans, which Wine takes in its place. Any other fallback
    // (a machine without the fonts) draws wider.
    const std::wstring face = Measure(win(form.Label21)).face();
    EXPECT_TRUE(face == L"MS Sans Serif" || face == L"Microsoft Sans Serif" || face == L"Liberation Sans")
        << "the window's font came out as " << std::string(face.begin(), face.end());

    for (int language : {0, 1}) {
        form.Combo1.setListIndex(language);
        host::pump(app);
        ASSERT_EQ(form.Label19.caption(), language == 0 ? "Language" : "Limba");
        state = std::string(language == 0 ? "English" : "Romanian") + " at " + std::to_string(dpi) + " DPI";
        checkForm(form);
        checkPresets();
        checkLanguageBox();
    }
    report();
}

struct NoRemoval : platform::SelfRemoval {
    rt::Outcome<> removeAfterExit(const std::string&, const std::vector<std::string>&) override { return {}; }
};

// Setup beside a package of 1.1 MB, and Uninstall in an installation, on
// fakes: only their windows are real.
struct WizardCaptions : Captions {
    const std::string setupFolder = "C:\\Setup";
    const std::string installFolder = "C:\\Program Files\\Corvane Lumetra";
    fakes::FixedFolders folders{setupFolder};
    fakes::MemoryFiles files;
    fakes::FakeRegistry registry;
    fakes::FakeShortcuts shortcuts;
    fakes::ScriptedMessageBoxes boxes;
    fakes::ScriptedFolderPicker picker;
    NoRemoval removal;
    fakes::FixedFolders uninstallFolders{installFolder};

    WizardCaptions() {
        const std::string data(1'150'000, 'x');
        files.files[setupFolder + "\\Data.set"] =
            std::string("Corvane Lumetra.exe") + '\0' + package::formatSize(static_cast<std::int64_t>(data.size())) + '\0' + data;
        files.folders = {"C:\\", "C:\\Program Files", installFolder};
        registry.keys[{platform::RegistryRoot::LocalMachine,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvane Lumetra"}] = {
            {"UninstallString", "\"" + installFolder + "\\Uninstall.exe\""}};
    }

    // Checks the form as it shows now at `at` DPI (a WM_DPICHANGED moves it
    // there, as a move to another monitor would); with `keep`, keeps its
    // picture as NAME.bmp.
    void checkPage(const forms::Form& form, const std::string& name, UINT at, bool keep) {
        HWND window = reinterpret_cast<HWND>(form.hWnd());
        RECT suggested{};
        GetWindowRect(window, &suggested);
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(at, at), reinterpret_cast<LPARAM>(&suggested));
        dpi = at;
        state = name + " at " + std::to_string(at) + " DPI";
        SetForegroundWindow(window);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        checkForm(form);
        const char* dir = std::getenv("LUMETRA_PICTURE_DIR");
        if (dir && keep) {
            Sleep(300);  // the X server has drawn it
            host::pump(app);
            keepPicture(window, std::string(dir) + "\\" + name + ".bmp");
        }
    }
};

// Every page in each language: the language's column of the wizards'
// tables, and the line the folder page shows for the package in it.
struct WizardLanguage {
    wizard::Language language;
    const char* prefix;  // of the pictures' names
    const char* spaceLine;
};
const WizardLanguage kWizardLanguages[] = {
    {wizard::Language::English, "", "At least 1.1 MB of free disk space is required."},
    {wizard::Language::Romanian, "ro-", "Este nevoie de cel puțin 1,1 MB de spațiu liber pe disc."},
};

TEST_F(WizardCaptions, EveryCaptionFitsOnEveryPageOfBothWizardsAtEveryDpi) {
  for (const WizardLanguage& language : kWizardLanguages) {
    wizard::setLanguage(language.language);
    setup::Form1 setupForm({folders, files, registry, shortcuts, boxes, picker, true, {}});
    uninstall::DoneForm doneForm{removal};
    uninstall::Form1 uninstallForm({uninstallFolders, files, registry, shortcuts, removal, boxes}, doneForm);
    // A copy of Uninstall.exe in a folder that is no installation.
    fakes::FixedFolders elsewhere{"C:\\Users\\Someone\\Downloads"};
    uninstall::DoneForm refusedDone{removal};
    uninstall::Form1 refusedForm({elsewhere, files, registry, shortcuts, removal, boxes}, refusedDone);
    for (forms::Form* f : std::initializer_list<forms::Form*>{&setupForm, &setupForm.doneForm, &setupForm.dezarhivator,
                                                               &uninstallForm, &doneForm, &refusedForm})
        app.attach(*f);
    setupForm.load();
    setupForm.show();
    host::pump(app);
    expectDpi(setupForm);
    ASSERT_EQ(setupForm.Label6.caption(), language.spaceLine);
    uninstallForm.load();
    ASSERT_TRUE(uninstallForm.Command4.enabled());
    refusedForm.load();
    ASSERT_FALSE(refusedForm.Command4.enabled());
    const std::string thanks = doneForm.ThankYouLabel.caption();

    // One window on screen at a time, showing one page.
    const std::vector<forms::Form*> windows{&setupForm, &setupForm.doneForm, &uninstallForm, &doneForm, &refusedForm};
    auto only = [&](forms::Form& shown, forms::Frame* page, std::initializer_list<forms::Frame*> pages) {
        for (forms::Form* f : windows)
            if (f != &shown) f->hide();
        for (forms::Frame* p : pages) p->setVisible(p == page);
        shown.show();
        return &shown;
    };
    const struct {
        const char* name;
        std::function<forms::Form*()> show;
    } pages[] = {
        {"setup-welcome", [&] { return only(setupForm, &setupForm.Pas1, {&setupForm.Pas1, &setupForm.Pas2, &setupForm.Pas3}); }},
        {"setup-folder", [&] { return only(setupForm, &setupForm.Pas2, {&setupForm.Pas1, &setupForm.Pas2, &setupForm.Pas3}); }},
        // The progress page as "Next >" shows it, without running the install.
        {"setup-progress", [&] { return only(setupForm, &setupForm.Pas3, {&setupForm.Pas1, &setupForm.Pas2, &setupForm.Pas3}); }},
        {"setup-done", [&] { return only(setupForm.doneForm, nullptr, {}); }},
        // A reason of the usual length: a file of the package that could not be written.
        {"setup-failed", [&] {
             setupForm.doneForm.showFailure("Could not write " + installFolder + "\\Corvane Lumetra.exe: Access is denied.");
             return only(setupForm.doneForm, nullptr, {});
         }},
        {"uninstall-welcome", [&] { return only(uninstallForm, &uninstallForm.Pas1, {&uninstallForm.Pas1, &uninstallForm.Pas3}); }},
        {"uninstall-progress", [&] { return only(uninstallForm, &uninstallForm.Pas3, {&uninstallForm.Pas1, &uninstallForm.Pas3}); }},
        {"uninstall-refused", [&] { return only(refusedForm, &refusedForm.Pas1, {&refusedForm.Pas1, &refusedForm.Pas3}); }},
        {"uninstall-done", [&] {
             doneForm.ThankYouLabel.setCaption(thanks);
             return only(doneForm, nullptr, {});
         }},
        // The longest closing text: someone's files kept the folder.
        {"uninstall-done-folder-kept", [&] {
             doneForm.ThankYouLabel.setCaption(thanks);
             doneForm.noteFolderKept(installFolder);
             return only(doneForm, nullptr, {});
         }},
        {"uninstall-incomplete", [&] {
             // One of each cause: the longest advice the window has to hold.
             using Cause = uninstall::Leftover::Cause;
             doneForm.showIncomplete({{"Corvane Lumetra.exe", Cause::Running, {}},
                                      {"settings.ini", Cause::ReadOnly, {}},
                                      {"Install record.txt", Cause::Other, "access is denied"}});
             return only(doneForm, nullptr, {});
         }},
    };
    // Page by page (the failure and incomplete pages stay so), the prefix's
    // own DPI first: the picture is kept then.
    std::vector<UINT> dpis{dpi};
    for (const UINT other : {96u, 120u, 144u, 192u})
        if (other != dpis.front()) dpis.push_back(other);
    for (const auto& page : pages)
        for (const UINT at : dpis)
            checkPage(*page.show(), language.prefix + std::string(page.name), at, at == dpis.front());
    for (forms::Form* f : windows) f->hide();
  }
  wizard::setLanguage(wizard::Language::English);
  report();
}

} // namespace
