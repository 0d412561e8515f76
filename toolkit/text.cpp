#include "toolkit/text.h"

#include <windows.h>

namespace toolkit {

std::string Narrow(std::wstring_view text) {
    const auto convert = [&](char* out, int size) {
        return WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out,
                                   size, nullptr, nullptr);
    };
    const int size = text.empty() ? 0 : convert(nullptr, 0);
    std::string narrow(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) convert(narrow.data(), size);
    return narrow;
}

std::wstring Widen(std::string_view text) {
    const auto convert = [&](wchar_t* out, int size) {
        return MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out,
                                   size);
    };
    const int size = text.empty() ? 0 : convert(nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) convert(wide.data(), size);
    return wide;
}

unsigned long CopyText(std::wstring_view text, wchar_t* buffer, unsigned long size) {
    if (size == 0) return 0;
    const unsigned long length = text.size() < size ? text.size() : size - 1;
    text.copy(buffer, length);
    buffer[length] = L'\0';
    return length;
}

}  // namespace toolkit
