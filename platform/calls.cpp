#include "platform/calls.h"

#include <string>

#include "toolkit/calls.h"
#include "toolkit/text.h"

namespace platform {

namespace {

HMODULE WINAPI LoadLibraryExAnsi(LPCWSTR path, HANDLE file, DWORD flags) {
    return LoadLibraryExA(toolkit::Narrow(path).c_str(), file, flags);
}

// As GetSystemDirectoryW: the length copied, or the size needed when the buffer is too small.
UINT WINAPI GetSystemDirectoryAnsi(LPWSTR buffer, UINT size) {
    char directory[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 0;
    const std::wstring wide = toolkit::Widen(std::string(directory, length));
    if (wide.size() >= size) return static_cast<UINT>(wide.size() + 1);
    return static_cast<UINT>(toolkit::CopyText(wide, buffer, size));
}

// For a system message into the caller's buffer, as the program asks for one; a message that
// does not fit fails, as FormatMessageW's does.
DWORD WINAPI FormatMessageAnsi(DWORD flags, LPCVOID source, DWORD id, DWORD language,
                               LPWSTR buffer, DWORD size, va_list* arguments) {
    // A character takes at most two bytes in an ANSI code page.
    std::string text(2 * static_cast<std::size_t>(size), '\0');
    text.resize(FormatMessageA(flags, source, id, language, text.data(), 2 * size, arguments));
    const std::wstring wide = toolkit::Widen(text);
    if (wide.size() >= size) return 0;
    return toolkit::CopyText(wide, buffer, size);
}

}  // namespace

void UseAnsiForms(Calls& calls) {
    calls.LoadLibraryExW = &LoadLibraryExAnsi;
    calls.GetSystemDirectoryW = &GetSystemDirectoryAnsi;
    calls.FormatMessageW = &FormatMessageAnsi;
}

Calls& Live() {
    static Calls calls = [] {
        Calls bound;
        if (toolkit::AnsiFamily()) UseAnsiForms(bound);
        return bound;
    }();
    return calls;
}

}  // namespace platform
