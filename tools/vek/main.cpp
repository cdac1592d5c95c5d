// vek: the packaging tool. With arguments it works on the command line; the
// Windows build started without any shows the archive window instead.
#include "platform/files.h"
#include "vek/vek_cli.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#ifdef VEK_WITH_WINDOW
#include "vek/packaging_window.h"
#endif

namespace {
int run(std::vector<std::string> args) {
#ifdef VEK_WITH_WINDOW
    if (args.empty()) return vek::showPackagingWindow();
#endif
    std::ios::sync_with_stdio(false);
    return vek::runCommand(platform::files(), args, std::cout, std::cerr);
}
} // namespace

#ifdef _WIN32
// Arguments arrive as UTF-16 and are handed on as UTF-8, as the programs keep
// every path.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::u8string utf8 = std::filesystem::path(argv[i]).u8string();
        args.emplace_back(utf8.begin(), utf8.end());
    }
    return run(std::move(args));
}
#else
int main(int argc, char** argv) { return run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
