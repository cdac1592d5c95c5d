#pragma once
// The forms hold text in the system's ANSI code page; Windows is spoken to
// through its wide-character functions.
#include <windows.h>

#include <string>

namespace host {

std::wstring widen(const std::string& ansi);
std::string narrow(const std::wstring& wide);

// The window's text, in the ANSI code page.
std::string windowText(HWND hwnd);
// Sets the window's text unless it already reads so (no change notification
// for nothing).
void setWindowText(HWND hwnd, const std::string& ansi);

} // namespace host
