#pragma once
// vek.exe started without arguments: the archive window as a packaging tool.

namespace vek {

// Shows the window and runs until it is closed; returns the exit status.
int showPackagingWindow();

} // namespace vek
