// Reads a running program's windows from outside, as an accessibility tool
// would: for the top-level window with the given title, one line per child
// window with its class, text, the name a screen reader gives it, rectangle
// (pixels, relative to the top-level window's client area), visibility,
// enabled state, whether Tab stops there and, for lists, combos, trackbars
// and scroll bars, their items and positions. Used by the
// end-to-end tests, which drive the programs with xdotool.
//
//   window_reader.exe TITLE            dump the window tree
//   window_reader.exe --wait TITLE     wait up to 30 s for the window first
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

std::string narrow(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(n - 1));
    return out;
}

std::wstring windowText(HWND hwnd) {
    const LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::wstring itemText(HWND hwnd, UINT lengthMsg, UINT textMsg, int i) {
    const LRESULT length = SendMessageW(hwnd, lengthMsg, i, 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(hwnd, textMsg, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string quoted(const std::wstring& text) {
    std::string out = "\"";
    for (char c : narrow(text)) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// Items of a list or a combo box: the current one, then every text.
template <UINT Count, UINT Current, UINT Length, UINT Text>
void printItems(HWND hwnd) {
    const int count = static_cast<int>(SendMessageW(hwnd, Count, 0, 0));
    std::printf(" cursel=%d items=", static_cast<int>(SendMessageW(hwnd, Current, 0, 0)));
    for (int i = 0; i < count; ++i) std::printf("%s%s", i ? "|" : "", narrow(itemText(hwnd, Length, Text, i)).c_str());
}

void printTrackbarPosition(HWND hwnd) { std::printf(" pos=%d", static_cast<int>(SendMessageW(hwnd, TBM_GETPOS, 0, 0))); }
void printScrollPosition(HWND hwnd) { std::printf(" pos=%d", GetScrollPos(hwnd, SB_CTL)); }

// What a window of each class shows beyond its text, one row per class.
struct ClassDetails {
    const wchar_t* windowClass;
    void (*print)(HWND);
};
const ClassDetails kDetails[] = {
    {L"ListBox", printItems<LB_GETCOUNT, LB_GETCURSEL, LB_GETTEXTLEN, LB_GETTEXT>},
    {L"ComboBox", printItems<CB_GETCOUNT, CB_GETCURSEL, CB_GETLBTEXTLEN, CB_GETLBTEXT>},
    {TRACKBAR_CLASSW, printTrackbarPosition},
    {L"ScrollBar", printScrollPosition},
};

// Kinds whose text is their value or nothing: a screen reader names them by
// the label just before them.
const wchar_t* const kNamedByLabel[] = {L"ListBox", L"ComboBox", TRACKBAR_CLASSW, L"ScrollBar", L"Edit"};

bool isClass(HWND hwnd, const wchar_t* name) {
    wchar_t cls[128] = {};
    GetClassNameW(hwnd, cls, 128);
    return _wcsicmp(cls, name) == 0;
}

// The window's own text, or for the kinds above the text of the visible
// static label right before it in the z-order (none when another visible
// control comes first).
std::wstring accessibleName(HWND hwnd) {
    bool byLabel = false;
    for (const wchar_t* cls : kNamedByLabel) byLabel |= isClass(hwnd, cls);
    if (!byLabel) return windowText(hwnd);
    for (HWND before = GetWindow(hwnd, GW_HWNDPREV); before; before = GetWindow(before, GW_HWNDPREV)) {
        if (!IsWindowVisible(before)) continue;
        return isClass(before, L"Static") ? windowText(before) : std::wstring();
    }
    return {};
}

HWND g_top = nullptr;

BOOL CALLBACK dumpChild(HWND hwnd, LPARAM) {
    wchar_t cls[128] = {};
    GetClassNameW(hwnd, cls, 128);
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, g_top, reinterpret_cast<POINT*>(&r), 2);
    std::printf("child class=%s text=%s rect=%ld,%ld,%ld,%ld visible=%d enabled=%d tabstop=%d name=%s",
                quoted(cls).c_str(), quoted(windowText(hwnd)).c_str(), r.left, r.top, r.right - r.left,
                r.bottom - r.top, IsWindowVisible(hwnd) ? 1 : 0, IsWindowEnabled(hwnd) ? 1 : 0,
                (GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP) ? 1 : 0, quoted(accessibleName(hwnd)).c_str());
    for (const ClassDetails& details : kDetails)
        if (_wcsicmp(cls, details.windowClass) == 0) details.print(hwnd);
    std::printf("\n");
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    bool wait = false;
    int arg = 1;
    if (arg < argc && std::wstring(argv[arg]) == L"--wait") wait = true, ++arg;
    if (arg >= argc) {
        std::fprintf(stderr, "usage: window_reader.exe [--wait] TITLE\n");
        return 2;
    }
    for (int tries = 0; tries < (wait ? 300 : 1); ++tries) {
        g_top = FindWindowW(nullptr, argv[arg]);
        if (g_top) break;
        Sleep(100);
    }
    if (!g_top) {
        std::fprintf(stderr, "window_reader: no window titled %s\n", narrow(argv[arg]).c_str());
        return 1;
    }
    RECT w{}, c{};
    GetWindowRect(g_top, &w);
    GetClientRect(g_top, &c);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT rb{};
    const bool hasRegion = GetWindowRgn(g_top, region) != ERROR;
    if (hasRegion) GetRgnBox(region, &rb);
    DeleteObject(region);
    std::printf("window text=%s rect=%ld,%ld,%ld,%ld client=%ld,%ld style=0x%08lx visible=%d iconic=%d region=%s\n",
                quoted(windowText(g_top)).c_str(), w.left, w.top, w.right - w.left, w.bottom - w.top, c.right,
                c.bottom, static_cast<unsigned long>(GetWindowLongW(g_top, GWL_STYLE)), IsWindowVisible(g_top) ? 1 : 0,
                IsIconic(g_top) ? 1 : 0,
                hasRegion ? (std::to_string(rb.right - rb.left) + "x" + std::to_string(rb.bottom - rb.top)).c_str() : "none");
    EnumChildWindows(g_top, dumpChild, 0);
    return 0;
}
