// vek: the packaging tool. With arguments it works on the command line; the
// Windows build started without any shows the archive window instead.
#include "vek_cli.h"

#include <iostream>

#ifdef VEK_WITH_WINDOW
#include "packaging_window.h"
#endif

int main(int argc, char** argv) {
#ifdef VEK_WITH_WINDOW
    if (argc <= 1) return vek::showPackagingWindow();
#endif
    std::ios::sync_with_stdio(false);
    return vek::runCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
