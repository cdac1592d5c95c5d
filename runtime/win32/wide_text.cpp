#include "win32/wide_text.h"

#include "win32/utf8_paths.h"

namespace host {

std::wstring widen(const std::string& text) { return widenUtf8(text); }

std::string narrow(const std::wstring& wide) { return narrowToUtf8(wide); }

std::string windowText(HWND hwnd) {
    const int length = ::GetWindowTextLengthW(hwnd);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(hwnd, wide.data(), length + 1);
    wide.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return narrow(wide);
}

void setWindowText(HWND hwnd, const std::string& text) {
    if (windowText(hwnd) == text) return;
    ::SetWindowTextW(hwnd, widen(text).c_str());
}

} // namespace host
