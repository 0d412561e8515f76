#pragma once

#include <windows.h>

#include "toolkit/calls.h"

namespace platform {

// The system calls whose arguments the program fixes: the registry, the loading of the
// libraries that are bound at run time, and the system's error texts. Everything goes through
// this one table so that a test can record each call's arguments or make any call fail.
struct Calls {
    decltype(&::RegOpenKeyExA) RegOpenKeyExA = &::RegOpenKeyExA;
    decltype(&::RegSetValueExA) RegSetValueExA = &::RegSetValueExA;
    // The wide registry calls are looked up, not imported: the ADVAPI32 of Windows 95, 98 and
    // ME need not export them, and a missing import stops a program before it starts. The NT
    // family, the only one that calls them, has both.
    decltype(&::RegQueryValueExW) RegQueryValueExW =
        toolkit::ImportedFunction<decltype(RegQueryValueExW)>("advapi32.dll", "RegQueryValueExW");
    decltype(&::RegOpenKeyExW) RegOpenKeyExW =
        toolkit::ImportedFunction<decltype(RegOpenKeyExW)>("advapi32.dll", "RegOpenKeyExW");
    decltype(&::RegDeleteValueA) RegDeleteValueA = &::RegDeleteValueA;
    decltype(&::RegCloseKey) RegCloseKey = &::RegCloseKey;
    decltype(&::GetModuleHandleW) GetModuleHandleW = &::GetModuleHandleW;
    decltype(&::LoadLibraryExW) LoadLibraryExW = &::LoadLibraryExW;
    decltype(&::GetSystemDirectoryW) GetSystemDirectoryW = &::GetSystemDirectoryW;
    decltype(&::FormatMessageW) FormatMessageW = &::FormatMessageW;
    decltype(&::GetProcAddress) GetProcAddress = &::GetProcAddress;
    decltype(&::FreeLibrary) FreeLibrary = &::FreeLibrary;
    decltype(&::GetVersion) GetVersion = &::GetVersion;
    // Looked up rather than imported: null where the system lacks them (IsWow64Process before
    // XP SP2, IsWow64Process2 before Windows 10 version 1709).
    decltype(&::IsWow64Process) IsWow64Process =
        toolkit::ImportedFunction<decltype(IsWow64Process)>("kernel32.dll", "IsWow64Process");
    // As Windows 10's headers declare it, which ours show only to programs for Windows 10.
    BOOL(WINAPI* IsWow64Process2)(HANDLE process, USHORT* processMachine, USHORT* nativeMachine) =
        toolkit::ImportedFunction<decltype(IsWow64Process2)>("kernel32.dll", "IsWow64Process2");
    // The command line, and where the command line's words go.
    decltype(&::GetCommandLineA) GetCommandLineA = &::GetCommandLineA;
    decltype(&::GetStdHandle) GetStdHandle = &::GetStdHandle;
    decltype(&::GetFileType) GetFileType = &::GetFileType;
    decltype(&::GetConsoleMode) GetConsoleMode = &::GetConsoleMode;
    decltype(&::CreateFileA) CreateFileA = &::CreateFileA;
    decltype(&::WriteFile) WriteFile = &::WriteFile;
    decltype(&::CloseHandle) CloseHandle = &::CloseHandle;
    // Looked up: AttachConsole came with XP, and the 9x family's wide forms need not be real.
    BOOL(WINAPI* AttachConsole)(DWORD processId) =
        toolkit::ImportedFunction<decltype(AttachConsole)>("kernel32.dll", "AttachConsole");
    decltype(&::WriteConsoleW) WriteConsoleW =
        toolkit::ImportedFunction<decltype(WriteConsoleW)>("kernel32.dll", "WriteConsoleW");
    decltype(&::GetCommandLineW) GetCommandLineW =
        toolkit::ImportedFunction<decltype(GetCommandLineW)>("kernel32.dll", "GetCommandLineW");
};

// Binds the calls that carry text to their ANSI forms, with the text converted on the way, as
// the table in use is bound on the 9x family (toolkit::AnsiFamily); GetModuleHandleW, asked
// for kernel32.dll's NT-only functions, stays as it is. A key in a named registry view, which
// only the NT family has, is opened by the wide form: the ANSI one drops the view there.
void UseAnsiForms(Calls& calls);

// Whether the registry has a 64-bit and a 32-bit view of HKEY_LOCAL_MACHINE\Software for the
// program to name: on 64-bit Windows, always for the 64-bit program, for the 32-bit one where
// it runs emulated (WOW64, or x86 on ARM64), whatever Windows a compatibility mode reports.
bool HasRegistryViews();

// The table in use; tests swap entries and restore them afterwards.
Calls& Live();

// A function found by GetProcAddress, as the type it is declared with. Through void (*)(), the
// one function type every other converts to without complaint.
template <typename Function>
Function As(FARPROC function) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(function));
}

}  // namespace platform
