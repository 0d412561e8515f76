#pragma once

#include <string>
#include <string_view>

namespace platform {

// The program keeps its text in UTF-16; the 8-bit system calls get it converted here, and
// only here, to the system's ANSI code page. Characters the code page cannot hold become '?'.
std::string ToAnsi(std::wstring_view text);

}  // namespace platform
