// The C++ library's containers and strings report misuse by calling these
// functions. The library's own versions build std::logic_error and its kin,
// whose text lives in the old copy-on-write string: that alone links some
// 40 KB into every program. These throw the same standard types where those
// cost nothing, and one small exception of their own for the rest, which no
// program catches: the host shows any of them as an internal error and ends.
//
// The build links this file into each program itself (as plain_terminate.cpp):
// the linker then never pulls in the library's definitions, and if anything
// ever needed one that is missing here, the two would clash at link time.
#include <exception>
#include <functional>
#include <new>
#include <typeinfo>

namespace {

class LibraryMisuse final : public std::exception {
public:
    explicit LibraryMisuse(const char* what) noexcept : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;  // the library passes a literal that outlives this
};

} // namespace

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_bad_exception() { throw bad_exception(); }
void __throw_logic_error(const char* what) { throw LibraryMisuse(what); }
void __throw_domain_error(const char* what) { throw LibraryMisuse(what); }
void __throw_invalid_argument(const char* what) { throw LibraryMisuse(what); }
void __throw_length_error(const char* what) { throw LibraryMisuse(what); }
void __throw_out_of_range(const char* what) { throw LibraryMisuse(what); }
// The format's arguments (an index and a size) are left out of the text.
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryMisuse(format); }
void __throw_runtime_error(const char* what) { throw LibraryMisuse(what); }
void __throw_range_error(const char* what) { throw LibraryMisuse(what); }
void __throw_overflow_error(const char* what) { throw LibraryMisuse(what); }
void __throw_underflow_error(const char* what) { throw LibraryMisuse(what); }

} // namespace std
