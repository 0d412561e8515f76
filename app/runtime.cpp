// The C++ runtime's fault paths, answered by Morvane itself. The library's own versions of these
// functions build their exceptions and messages from code the program never otherwise uses (the
// old copy-on-write string that the standard exceptions carry, the demangler, formatted
// printing), a third of the program file. Linking ours leaves those parts of the library out;
// a future library that needs one more of them fails to link, loudly, rather than grow.
#include <cstdlib>
#include <string>

#include "toolkit/error.h"

namespace __gnu_cxx {

// No exception escapes Morvane's handlers (each runs under toolkit::RunHandler): nothing is left
// to print.
void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

namespace std {

// A string or vector asked for more than memory can hold: out of memory (error 7), as a failed
// allocation is.
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_alloc(); }
void __throw_length_error(const char*) { throw bad_alloc(); }

// A string used against its rules: an internal error (51), caught and shown like any other.
void __throw_logic_error(const char*) { toolkit::Raise(toolkit::ErrorNumber::Internal); }
void __throw_out_of_range_fmt(const char*, ...) { toolkit::Raise(toolkit::ErrorNumber::Internal); }

// A broken precondition of the library (an index past a string's end, say): the program stops
// at once, as the library's own check would, without writing anything more.
void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept { abort(); }

}  // namespace std
