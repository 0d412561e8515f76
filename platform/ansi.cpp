#include "platform/ansi.h"

#include <utility>

#include <windows.h>

#include "toolkit/error.h"
#include "toolkit/text.h"

namespace platform {

namespace {

// The system counts in int; a text that long could not be converted anyway.
void CheckLength(std::size_t length) {
    if (length > static_cast<std::size_t>(INT_MAX / 2))
        toolkit::Raise(toolkit::ErrorNumber::OutOfMemory);
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
        const bool pair = IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() &&
                          IS_LOW_SURROGATE(text[at + 1]);
        const std::wstring_view character = text.substr(at, pair ? 2 : 1);
        if (refused.find(character) == std::wstring::npos && !ToAnsi(character))
            refused += character;
        at += character.size();
    }
    return refused;
}

std::string ToAnsiOrRaise(std::wstring_view text) {
    std::optional<std::string> narrow = ToAnsi(text);
    if (!narrow) toolkit::Raise(toolkit::ErrorNumber::InvalidArgument);
    return std::move(*narrow);
}

}  // namespace platform
