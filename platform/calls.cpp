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

// For a string value, as the registry module reads one: its text widened from the code page,
// and its size in bytes of UTF-16.
LSTATUS WINAPI RegQueryValueExAnsi(HKEY key, LPCWSTR name, LPDWORD reserved, LPDWORD type,
                                   LPBYTE data, LPDWORD size) {
    const std::string narrowName = toolkit::Narrow(name);
    DWORD valueType = 0;
    DWORD bytes = 0;
    LSTATUS status =
        RegQueryValueExA(key, narrowName.c_str(), reserved, &valueType, nullptr, &bytes);
    std::string text(bytes, '\0');
    if (status == ERROR_SUCCESS)
        status = RegQueryValueExA(key, narrowName.c_str(), reserved, &valueType,
                                  reinterpret_cast<BYTE*>(text.data()), &bytes);
    if (status != ERROR_SUCCESS) return status;
    text.resize(bytes);
    const std::wstring wide = toolkit::Widen(text);
    const DWORD needed = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
    if (type) *type = valueType;
    if (data && *size < needed) status = ERROR_MORE_DATA;
    else if (data) wide.copy(reinterpret_cast<wchar_t*>(data), wide.size());
    *size = needed;
    return status;
}

// The 9x family's open ignores the access mask, and Wine's does the same where it reports that
// family; a Windows that has registry views is NT underneath, and its wide open honours them.
LSTATUS WINAPI RegOpenKeyExKeepingView(HKEY root, LPCSTR subkey, DWORD options, REGSAM access,
                                       PHKEY key) {
    if (!(access & (KEY_WOW64_64KEY | KEY_WOW64_32KEY)))
        return RegOpenKeyExA(root, subkey, options, access, key);
    return Live().RegOpenKeyExW(root, toolkit::Widen(subkey).c_str(), options, access, key);
}

}  // namespace

void UseAnsiForms(Calls& calls) {
    calls.RegOpenKeyExA = &RegOpenKeyExKeepingView;
    calls.LoadLibraryExW = &LoadLibraryExAnsi;
    calls.GetSystemDirectoryW = &GetSystemDirectoryAnsi;
    calls.FormatMessageW = &FormatMessageAnsi;
    calls.RegQueryValueExW = &RegQueryValueExAnsi;
}

bool HasRegistryViews() {
#ifdef _WIN64
    return true;
#else
    // IsWow64Process answers FALSE for an x86 program on ARM64; IsWow64Process2 tells it.
    const Calls& calls = Live();
    USHORT processMachine = IMAGE_FILE_MACHINE_UNKNOWN, nativeMachine = 0;
    if (calls.IsWow64Process2 &&
        calls.IsWow64Process2(GetCurrentProcess(), &processMachine, &nativeMachine))
        return processMachine != IMAGE_FILE_MACHINE_UNKNOWN;
    BOOL wow64 = FALSE;
    return calls.IsWow64Process && calls.IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
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
