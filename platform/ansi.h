#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The program keeps its text in UTF-16; the 8-bit system calls get it converted here, and
// only here, to the system's ANSI code page. A text is converted only when every character
// of it has an exact equivalent there: a look-alike or a '?' in its place would store a
// different text than the one the user sees.

// The text in the ANSI code page, or nothing when the code page cannot hold it exactly.
std::optional<std::string> ToAnsi(std::wstring_view text);

// The characters of the text that the code page cannot hold, each once, in the order they
// first come (a character beyond 16 bits as its surrogate pair); empty when it holds them all.
std::wstring CharactersNotHeld(std::wstring_view text);

// The characters one by one as a reader can find them in a line of text: a visible character as
// it is (a pair of surrogates whole), and one that takes no room or would sit on its neighbour
// there - a control, format or space character, a combining mark, a lone surrogate - by its
// code, "U+200B". Set them apart when showing them, lest a run of letters read as a word.
std::vector<std::wstring> LegibleCharacters(std::wstring_view characters);

// The same for texts the program itself supplies; raises a numbered error when one cannot be
// held exactly.
std::string ToAnsiOrRaise(std::wstring_view text);

}  // namespace platform
