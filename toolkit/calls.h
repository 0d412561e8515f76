#pragma once

#include <windows.h>

namespace toolkit {

// A function of a system library the program imports from, so loaded from the start, or null
// where this Windows lacks it.
template <typename Function>
Function ImportedFunction(const char* library, const char* name) {
    const FARPROC function = GetProcAddress(GetModuleHandleA(library), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(function));
}

// The system calls of the window layer: those that carry text or a message character set,
// those whose effects a test checks (the message box; the drawing objects, so a test can count
// those alive; the high-contrast and keyboard-cue settings, so a test can turn them on; a
// window's resolution), and those Windows 95 lacks, looked up at run time and null where
// missing. Everything goes through this one table so that a test can record or replace each
// call.
struct Calls {
    decltype(&::CreateWindowExW) CreateWindowExW = &::CreateWindowExW;
    decltype(&::RegisterClassExW) RegisterClassExW = &::RegisterClassExW;
    decltype(&::GetClassInfoExW) GetClassInfoExW = &::GetClassInfoExW;
    decltype(&::DefDlgProcW) DefDlgProcW = &::DefDlgProcW;
    decltype(&::DefWindowProcW) DefWindowProcW = &::DefWindowProcW;
    decltype(&::GetMessageW) GetMessageW = &::GetMessageW;
    decltype(&::PeekMessageW) PeekMessageW = &::PeekMessageW;
    decltype(&::IsDialogMessageW) IsDialogMessageW = &::IsDialogMessageW;
    decltype(&::DispatchMessageW) DispatchMessageW = &::DispatchMessageW;
    decltype(&::SendMessageW) SendMessageW = &::SendMessageW;
    decltype(&::SetWindowTextW) SetWindowTextW = &::SetWindowTextW;
    decltype(&::GetWindowTextW) GetWindowTextW = &::GetWindowTextW;
    decltype(&::GetWindowTextLengthW) GetWindowTextLengthW = &::GetWindowTextLengthW;
    decltype(&::MessageBoxW) MessageBoxW = &::MessageBoxW;
    decltype(&::CreateFontW) CreateFontW = &::CreateFontW;
    decltype(&::CreateSolidBrush) CreateSolidBrush = &::CreateSolidBrush;
    decltype(&::CreateRectRgn) CreateRectRgn = &::CreateRectRgn;
    decltype(&::CreateRectRgnIndirect) CreateRectRgnIndirect = &::CreateRectRgnIndirect;
    decltype(&::SetWindowRgn) SetWindowRgn = &::SetWindowRgn;
    decltype(&::DeleteObject) DeleteObject = &::DeleteObject;
    decltype(&::SystemParametersInfoW) SystemParametersInfoW = &::SystemParametersInfoW;
    decltype(&::MonitorFromRect) MonitorFromRect = User32Function<decltype(&::MonitorFromRect)>(
        "MonitorFromRect");
    decltype(&::GetMonitorInfoW) GetMonitorInfoW = User32Function<decltype(&::GetMonitorInfoW)>(
        "GetMonitorInfoW");
    decltype(&::NotifyWinEvent) NotifyWinEvent = User32Function<decltype(&::NotifyWinEvent)>(
        "NotifyWinEvent");
    // A window's own resolution, that of the monitor it is on (from Windows 10 version 1607),
    // as Windows 10's headers declare them, which ours show only to programs for Windows 10.
    UINT(WINAPI* GetDpiForWindow)(HWND window) =
        User32Function<decltype(GetDpiForWindow)>("GetDpiForWindow");
    BOOL(WINAPI* AdjustWindowRectExForDpi)(RECT* rect, DWORD style, BOOL menu, DWORD exStyle,
                                           UINT dpi) =
        User32Function<decltype(AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi");

    template <typename Function>
    static Function User32Function(const char* name) {
        return ImportedFunction<Function>("user32.dll", name);
    }
};

// Whether this is Windows 95, 98 or ME, which have the wide ("W") window, message and
// resource functions only as stubs that fail. Decided once, from GetVersion().
bool AnsiFamily();

// Binds the calls that carry text or a message character set to their ANSI forms, with the
// text converted on the way; the others stay as they are. The table in use is bound so at its
// first use on the 9x family; on the NT family it keeps the wide forms.
void UseAnsiForms(Calls& calls);

// The table in use; tests swap entries and restore them afterwards.
Calls& Live();

inline void DeleteGdiObject(HGDIOBJ object) { Live().DeleteObject(object); }

}  // namespace toolkit
