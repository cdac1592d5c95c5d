#include "wide_text.h"

namespace host {

std::wstring widen(const std::string& ansi) {
    if (ansi.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
    return wide;
}

std::string narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), n, nullptr, nullptr);
    return ansi;
}

std::string windowText(HWND hwnd) {
    const int length = ::GetWindowTextLengthW(hwnd);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(hwnd, wide.data(), length + 1);
    wide.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return narrow(wide);
}

void setWindowText(HWND hwnd, const std::string& ansi) {
    if (windowText(hwnd) == ansi) return;
    ::SetWindowTextW(hwnd, widen(ansi).c_str());
}

} // namespace host
