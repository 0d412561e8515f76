#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// The window layer keeps its text in UTF-16; where the system has only the 8-bit ("A") calls,
// the text crosses in the system's ANSI code page. A character the code page lacks becomes its
// nearest look-alike or '?': nothing shown in a window can be refused.
std::string Narrow(std::wstring_view text);
std::wstring Widen(std::string_view text);

// Copies the text into a caller's buffer of size characters, cut to fit and always ended by a
// NUL when there is room for one; returns the characters copied, the NUL not counted.
unsigned long CopyText(std::wstring_view text, wchar_t* buffer, unsigned long size);

}  // namespace toolkit
