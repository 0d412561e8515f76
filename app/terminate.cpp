// The C++ runtime's default terminate handler prints the escaping exception's demangled type,
// which links the whole demangler and the C library's formatted printing into the program
// file. No exception escapes Morvane's handlers (each runs under toolkit::RunHandler), so a plain
// abort serves as well and keeps the 32-bit program file small.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
