#include "platform/ansi.h"

#include <windows.h>

#include "toolkit/error.h"

namespace platform {

namespace {

int ConvertToAnsi(std::wstring_view text, char* out, int outSize) {
    // No best-fit mapping: a look-alike substitute could change what the text means.
    return WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(),
                               static_cast<int>(text.size()), out, outSize, nullptr, nullptr);
}

}  // namespace

std::string ToAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    // The system counts in int; a text that long could not be converted anyway.
    if (text.size() > static_cast<std::size_t>(INT_MAX / 2))
        toolkit::Raise(toolkit::ErrorNumber::OutOfMemory);
    const int size = ConvertToAnsi(text, nullptr, 0);
    if (size <= 0) toolkit::Raise(toolkit::ErrorNumber::InvalidArgument);
    std::string converted(static_cast<std::size_t>(size), '\0');
    ConvertToAnsi(text, converted.data(), size);
    return converted;
}

}  // namespace platform
