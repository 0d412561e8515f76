#include "platform/ansi.h"

#include <utility>

#include <windows.h>

#include "toolkit/error.h"

namespace platform {

namespace {

// The system counts in int; a text that long could not be converted anyway.
void CheckLength(std::size_t length) {
    if (length > static_cast<std::size_t>(INT_MAX / 2))
        toolkit::Raise(toolkit::ErrorNumber::OutOfMemory);
}

std::string Narrow(std::wstring_view text) {
    // Whatever the conversion substitutes is caught by converting back, which also works
    // where the code page is UTF-8 and the no-best-fit flag is not allowed.
    const auto convert = [&](char* out, int size) {
        return WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out,
                                   size, nullptr, nullptr);
    };
    const int size = convert(nullptr, 0);
    if (size <= 0) toolkit::Raise(toolkit::ErrorNumber::InvalidArgument);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    convert(narrow.data(), size);
    return narrow;
}

}  // namespace

std::wstring FromAnsi(std::string_view text) {
    const auto convert = [&](wchar_t* out, int size) {
        return MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out,
                                   size);
    };
    const int size = convert(nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    convert(wide.data(), size);
    return wide;
}

std::optional<std::string> ToAnsi(std::wstring_view text) {
    if (text.empty()) return std::string();
    CheckLength(text.size());
    std::string narrow = Narrow(text);
    // Exact means the stored bytes read back as the very same text: this refuses default
    // characters, best-fit look-alikes and lone surrogates alike, and keeps a typed '?'.
    if (FromAnsi(narrow) != text) return std::nullopt;
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
