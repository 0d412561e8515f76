// The C++ runtime's fault paths, answered by Morvane itself. The library's own versions of these
// functions build their exceptions and messages from code the program never otherwise uses (the
// old copy-on-write string that the standard exceptions carry, the demangler, formatted
// printing), a third of the program file. Linking ours leaves those parts of the library out.
// The library keeps all its fault paths in one object, functexcept.o: in GCC 12's, ten more
// beside the five here (__throw_out_of_range, __throw_invalid_argument, __throw_bad_cast ...).
// So the first use of one of those (std::stoi, a bitset, a locale facet) brings that object in
// and fails to link with "multiple definition", naming one of the five here, not the new one:
// answer that one here too. A later library may hold others; the size test shows any growth.
#include <cstdlib>
#include <new>

#if _GLIBCXX_RELEASE != 12
#error "Morvane replaces the fault paths of GCC 12's libstdc++ here: check them against \
this library's bits/functexcept.h, then change the version above"
#endif

namespace {

// A library fault is no error a handler's trap expects: it passes every trap and ends in the
// default handling of the handler it broke, as "Error 51: Internal error".
struct LibraryFault {};

}  // namespace

namespace __gnu_cxx {

// Reached only where an exception meets a function that may not throw: the program ends there,
// as with the library's own handler, but without its message on the standard error.
void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

namespace std {

// A string or vector asked for more than memory can hold: out of memory (error 7), as a failed
// allocation is.
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_alloc(); }
void __throw_length_error(const char*) { throw bad_alloc(); }

// A string used against its rules.
void __throw_logic_error(const char*) { throw LibraryFault(); }
void __throw_out_of_range_fmt(const char*, ...) { throw LibraryFault(); }

// A broken precondition of the library (an index past a string's end, say): the program ends
// at once, as the library's own check would; the C runtime's abort may first show its
// "abnormal program termination" box.
void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept { abort(); }

}  // namespace std
