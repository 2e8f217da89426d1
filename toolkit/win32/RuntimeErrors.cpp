// How the C++ runtime's own errors end up in the Windows program. The library's versions of
// these pull in code the installer never needs: the name demangler for the terminate message,
// and std::logic_error and its kin, which hold a copy-on-write string with all of its own
// string code (some 20 KB together). The errors behind them are misuses (an index or a length
// out of range) that the default handler shows by their text, as it would the library's.
#include <cstdarg>
#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

#include "platform/Exceptions.h"
#include "toolkit/LibraryMessage.h"

// The default terminate handler writes its message to a console, which a GUI program lacks. An
// exception that nothing catches, or a throw from a destructor, ends the program here at
// once: exit code 3, no message, no clean-up. Not abort: msvcrt's shows its "abnormal program
// termination" box, which a silent run must never show.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::_Exit(3);
}
} // namespace __gnu_cxx

// All of the library's raising helpers, so that its own definitions are never linked beside these.
// clang-format off
namespace std {
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_bad_exception() { throw bad_exception(); }
void __throw_logic_error(const char* what) { throw Exception(what); }
void __throw_domain_error(const char* what) { throw Exception(what); }
void __throw_invalid_argument(const char* what) { throw Exception(what); }
void __throw_length_error(const char* what) { throw Exception(what); }
void __throw_out_of_range(const char* what) { throw Exception(what); }
void __throw_out_of_range_fmt(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = LibraryMessage(format, args);
    va_end(args);
    throw Exception(text);
}
void __throw_runtime_error(const char* what) { throw Exception(what); }
void __throw_range_error(const char* what) { throw Exception(what); }
void __throw_overflow_error(const char* what) { throw Exception(what); }
void __throw_underflow_error(const char* what) { throw Exception(what); }
} // namespace std
// clang-format on
