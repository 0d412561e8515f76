// A stand-in system DLL for the test that plants it beside morvane.exe, as "wininet.dll" and
// under other names: if it is ever loaded, it leaves a marker file next to itself, named after
// the file it was loaded from ("wininet.dll.loaded").
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(instance, path, MAX_PATH);
    const std::wstring marker = std::wstring(path) + L".loaded";
    const HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return TRUE;
}
