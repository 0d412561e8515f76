#pragma once

#include <windows.h>

namespace toolkit {

// The system calls of the window layer whose effects a test checks: the message box, the
// drawing objects the windows create and release, so a test can count those alive, and the
// high-contrast setting, so a test can turn it on. Everything goes through this one table so
// that a test can record or replace each call.
struct Calls {
    decltype(&::MessageBoxW) MessageBoxW = &::MessageBoxW;
    decltype(&::CreateFontW) CreateFontW = &::CreateFontW;
    decltype(&::CreateSolidBrush) CreateSolidBrush = &::CreateSolidBrush;
    decltype(&::CreateRectRgn) CreateRectRgn = &::CreateRectRgn;
    decltype(&::CreateRectRgnIndirect) CreateRectRgnIndirect = &::CreateRectRgnIndirect;
    decltype(&::SetWindowRgn) SetWindowRgn = &::SetWindowRgn;
    decltype(&::DeleteObject) DeleteObject = &::DeleteObject;
    decltype(&::SystemParametersInfoW) SystemParametersInfoW = &::SystemParametersInfoW;
};

// The table in use; tests swap entries and restore them afterwards.
Calls& Live();

inline void DeleteGdiObject(HGDIOBJ object) { Live().DeleteObject(object); }

}  // namespace toolkit
