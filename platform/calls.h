#pragma once

#include <windows.h>

namespace platform {

// The system calls whose arguments the program fixes: the registry, and the loading of the
// libraries that are bound at run time. Everything goes through this one table so that a test
// can record each call's arguments or make any call fail.
struct Calls {
    decltype(&::RegOpenKeyExA) RegOpenKeyExA = &::RegOpenKeyExA;
    decltype(&::RegSetValueExA) RegSetValueExA = &::RegSetValueExA;
    decltype(&::RegQueryValueExA) RegQueryValueExA = &::RegQueryValueExA;
    decltype(&::RegDeleteValueA) RegDeleteValueA = &::RegDeleteValueA;
    decltype(&::RegCloseKey) RegCloseKey = &::RegCloseKey;
    decltype(&::GetModuleHandleW) GetModuleHandleW = &::GetModuleHandleW;
    decltype(&::LoadLibraryExW) LoadLibraryExW = &::LoadLibraryExW;
    decltype(&::GetProcAddress) GetProcAddress = &::GetProcAddress;
    decltype(&::FreeLibrary) FreeLibrary = &::FreeLibrary;
};

// The table in use; tests swap entries and restore them afterwards.
Calls& Live();

// A function found by GetProcAddress, as the type it is declared with. Through void (*)(), the
// one function type every other converts to without complaint.
template <typename Function>
Function As(FARPROC function) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(function));
}

}  // namespace platform
