#pragma once
// The portable code holds all text, captions and paths alike, as UTF-8;
// Windows is spoken to through its wide-character functions.
#include <windows.h>

#include <string>

namespace host {

std::wstring widen(const std::string& text);
std::string narrow(const std::wstring& wide);

// The window's text, as UTF-8.
std::string windowText(HWND hwnd);
// Sets the window's text unless it already reads so (no change notification
// for nothing).
void setWindowText(HWND hwnd, const std::string& text);

} // namespace host
