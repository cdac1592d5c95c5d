// The handler std::terminate starts with in every shipped program, in place of
// the C++ library's own. The library's names the escaping exception's type and
// for that links its whole symbol demangler, some 45 KB in each program; this
// one says what the exception says and ends the program the same way.
//
// It runs only before the host installs its handler (which shows the error in
// a message box) or in vek.exe's command line, where stderr is a console. The
// build links this file into each program itself: the linker then never pulls
// in the library's definition, and if anything ever did, the two would clash
// at link time instead of one silently winning.
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    static bool terminating = false;
    if (terminating) {
        std::fputs("terminate called recursively\n", stderr);
        std::abort();
    }
    terminating = true;
    if (std::exception_ptr failure = std::current_exception()) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "terminate called after throwing an exception: %s\n", e.what());
        } catch (...) {
            std::fputs("terminate called after throwing an exception that is not a std::exception\n", stderr);
        }
    } else {
        std::fputs("terminate called without an active exception\n", stderr);
    }
    std::abort();
}

} // namespace __gnu_cxx
