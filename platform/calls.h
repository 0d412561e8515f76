#pragma once

#include <windows.h>

namespace platform {

// The system calls whose arguments the program fixes. Everything goes through this one
// table so that a test can record each call's arguments or make any call fail.
struct Calls {
    decltype(&::RegOpenKeyExA) RegOpenKeyExA = &::RegOpenKeyExA;
    decltype(&::RegSetValueExA) RegSetValueExA = &::RegSetValueExA;
    decltype(&::RegCloseKey) RegCloseKey = &::RegCloseKey;
    decltype(&::MessageBoxW) MessageBoxW = &::MessageBoxW;
    decltype(&::LoadLibraryExW) LoadLibraryExW = &::LoadLibraryExW;
    decltype(&::GetProcAddress) GetProcAddress = &::GetProcAddress;
    decltype(&::FreeLibrary) FreeLibrary = &::FreeLibrary;
    // The drawing objects the windows create and release, so a test can count those alive.
    decltype(&::CreateFontW) CreateFontW = &::CreateFontW;
    decltype(&::CreateSolidBrush) CreateSolidBrush = &::CreateSolidBrush;
    decltype(&::CreateRectRgn) CreateRectRgn = &::CreateRectRgn;
    decltype(&::CreateRectRgnIndirect) CreateRectRgnIndirect = &::CreateRectRgnIndirect;
    decltype(&::SetWindowRgn) SetWindowRgn = &::SetWindowRgn;
    decltype(&::DeleteObject) DeleteObject = &::DeleteObject;
};

// The table in use; tests swap entries and restore them afterwards.
Calls& Live();

inline void DeleteGdiObject(HGDIOBJ object) { Live().DeleteObject(object); }

}  // namespace platform
