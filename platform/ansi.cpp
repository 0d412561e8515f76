#include "platform/ansi.h"

#include <utility>

#include <windows.h>

#include "toolkit/calls.h"
#include "toolkit/error.h"
#include "toolkit/text.h"

namespace platform {

namespace {

// The system counts in int; a text that long could not be converted anyway.
void CheckLength(std::size_t length) {
    if (length > static_cast<std::size_t>(INT_MAX / 2))
        toolkit::Raise(toolkit::ErrorNumber::OutOfMemory);
}

// The character that starts at the given place: two units for a pair of surrogates, else one.
std::wstring_view CharacterAt(std::wstring_view text, std::size_t at) {
    const bool pair = IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() &&
                      IS_LOW_SURROGATE(text[at + 1]);
    return text.substr(at, pair ? 2 : 1);
}

struct CodeRange {
    char32_t first;
    char32_t last;
};

// The characters that show nothing of their own, by Unicode's short lists: the controls; the
// spaces but the plain one, which every code page holds; and the format characters, which steer
// the text around them (the soft hyphen, direction marks and embeddings, joiners, invisible
// operators, the byte-order mark, annotation marks, tags, the variation selectors beyond 16
// bits). Listed here because Windows' character types differ for them from version to version.
constexpr CodeRange Invisible[] = {
    {0x0000, 0x001F}, {0x007F, 0x00A0}, {0x00AD, 0x00AD}, {0x061C, 0x061C},
    {0x180E, 0x180E}, {0x2000, 0x200F}, {0x2028, 0x202F}, {0x205F, 0x2064},
    {0x2066, 0x206F}, {0x3000, 0x3000}, {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFB},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F}, {0xE0100, 0xE01EF},
};

char32_t CodeOf(std::wstring_view character) {
    if (character.size() == 1) return character[0];
    return 0x10000 + ((character[0] - 0xD800u) << 10) + (character[1] - 0xDC00u);
}

bool TakesNoRoom(std::wstring_view character) {
    const char32_t code = CodeOf(character);
    for (const CodeRange& range : Invisible)
        if (code >= range.first && code <= range.last) return true;
    if (character.size() > 1) return false;
    if (IS_HIGH_SURROGATE(character[0]) || IS_LOW_SURROGATE(character[0]))
        return true;  // a lone surrogate
    // The combining marks are too many to list; the NT family knows them all (Windows 95, 98
    // and ME have GetStringTypeW only as a stub: there they are shown as they are). Windows'
    // tables mark precomposed letters such as "é" non-spacing too: a letter shows as itself.
    WORD shape = 0;
    return !toolkit::AnsiFamily() && GetStringTypeW(CT_CTYPE3, character.data(), 1, &shape) &&
           (shape & C3_NONSPACING) && !(shape & C3_ALPHA);
}

// "U+" and the code in hexadecimal, four digits at least.
std::wstring CodeName(char32_t code) {
    std::wstring digits;
    for (; code != 0 || digits.size() < 4; code >>= 4)
        digits.insert(digits.begin(), L"0123456789ABCDEF"[code & 0xF]);
    return L"U+" + digits;
}

}  // namespace

std::optional<std::string> ToAnsi(std::wstring_view text) {
    if (text.empty()) return std::string();
    CheckLength(text.size());
    // Whatever the conversion substitutes is caught by converting back, which also works
    // where the code page is UTF-8 and the no-best-fit flag is not allowed.
    std::string narrow = toolkit::Narrow(text);
    if (narrow.empty()) toolkit::Raise(toolkit::ErrorNumber::InvalidArgument);
    // Exact means the stored bytes read back as the very same text: this refuses default
    // characters, best-fit look-alikes and lone surrogates alike, and keeps a typed '?'.
    if (toolkit::Widen(narrow) != text) return std::nullopt;
    return narrow;
}

std::wstring CharactersNotHeld(std::wstring_view text) {
    std::wstring refused;
    for (std::size_t at = 0; at < text.size();) {
        const std::wstring_view character = CharacterAt(text, at);
        if (refused.find(character) == std::wstring::npos && !ToAnsi(character))
            refused += character;
        at += character.size();
    }
    return refused;
}

std::vector<std::wstring> LegibleCharacters(std::wstring_view characters) {
    std::vector<std::wstring> legible;
    for (std::size_t at = 0; at < characters.size();) {
        const std::wstring_view character = CharacterAt(characters, at);
        at += character.size();
        legible.push_back(TakesNoRoom(character) ? CodeName(CodeOf(character))
                                                 : std::wstring(character));
    }
    return legible;
}

std::string ToAnsiOrRaise(std::wstring_view text) {
    std::optional<std::string> narrow = ToAnsi(text);
    if (!narrow) toolkit::Raise(toolkit::ErrorNumber::InvalidArgument);
    return std::move(*narrow);
}

}  // namespace platform
