#include "toolkit/calls.h"

#include <string>

#include "toolkit/text.h"

namespace toolkit {

namespace {

// The ANSI forms that carry text, each behind the wide form's signature. The program's windows
// are then ANSI windows: their messages, and the system's default handling of them, take the
// ANSI forms too (the same signatures, bound as they are).

std::string NarrowOrEmpty(const wchar_t* text) { return text ? Narrow(text) : std::string(); }

HWND WINAPI CreateWindowExAnsi(DWORD exStyle, LPCWSTR className, LPCWSTR caption, DWORD style,
                               int x, int y, int width, int height, HWND parent, HMENU menu,
                               HINSTANCE instance, LPVOID parameter) {
    const std::string ansiCaption = NarrowOrEmpty(caption);
    return CreateWindowExA(exStyle, Narrow(className).c_str(),
                           caption ? ansiCaption.c_str() : nullptr, style, x, y, width, height,
                           parent, menu, instance, parameter);
}

// The program's classes have no menu; the ANSI class takes the wide one's other fields as
// they are, their layouts being the same.
WNDCLASSEXA AnsiClass(const WNDCLASSEXW& wide, const std::string& name) {
    WNDCLASSEXA ansi{sizeof(ansi), wide.style, wide.lpfnWndProc, wide.cbClsExtra, wide.cbWndExtra,
                     wide.hInstance, wide.hIcon, wide.hCursor, wide.hbrBackground, nullptr,
                     name.c_str(), wide.hIconSm};
    return ansi;
}

ATOM WINAPI RegisterClassExAnsi(const WNDCLASSEXW* windowClass) {
    const std::string name = Narrow(windowClass->lpszClassName);
    const WNDCLASSEXA ansi = AnsiClass(*windowClass, name);
    return RegisterClassExA(&ansi);
}

BOOL WINAPI GetClassInfoExAnsi(HINSTANCE instance, LPCWSTR className, WNDCLASSEXW* windowClass) {
    WNDCLASSEXA ansi{};
    ansi.cbSize = sizeof(ansi);
    if (!GetClassInfoExA(instance, Narrow(className).c_str(), &ansi)) return FALSE;
    *windowClass = {sizeof(*windowClass), ansi.style, ansi.lpfnWndProc, ansi.cbClsExtra,
                    ansi.cbWndExtra, ansi.hInstance, ansi.hIcon, ansi.hCursor,
                    ansi.hbrBackground, nullptr, className, ansi.hIconSm};
    return TRUE;
}

BOOL WINAPI SetWindowTextAnsi(HWND window, LPCWSTR text) {
    return SetWindowTextA(window, NarrowOrEmpty(text).c_str());
}

// GetWindowTextLengthA counts bytes, at least as many as the characters read here: enough room.
int WINAPI GetWindowTextAnsi(HWND window, LPWSTR buffer, int size) {
    if (size <= 0) return 0;
    std::string text(2 * static_cast<std::size_t>(size), '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), 2 * size)));
    return static_cast<int>(CopyText(Widen(text), buffer, static_cast<unsigned long>(size)));
}

HFONT WINAPI CreateFontAnsi(int height, int width, int escapement, int orientation, int weight,
                            DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                            DWORD precision, DWORD clipPrecision, DWORD quality,
                            DWORD pitchAndFamily, LPCWSTR face) {
    return CreateFontA(height, width, escapement, orientation, weight, italic, underline,
                       strikeOut, charSet, precision, clipPrecision, quality, pitchAndFamily,
                       NarrowOrEmpty(face).c_str());
}

// The program asks for the high-contrast setting alone, whose scheme name it never reads.
BOOL WINAPI SystemParametersInfoAnsi(UINT action, UINT size, PVOID parameter, UINT flags) {
    if (action != SPI_GETHIGHCONTRAST)
        return SystemParametersInfoA(action, size, parameter, flags);
    HIGHCONTRASTA ansi{};
    ansi.cbSize = sizeof(ansi);
    if (!SystemParametersInfoA(action, sizeof(ansi), &ansi, flags)) return FALSE;
    static_cast<HIGHCONTRASTW*>(parameter)->dwFlags = ansi.dwFlags;
    static_cast<HIGHCONTRASTW*>(parameter)->lpszDefaultScheme = nullptr;
    return TRUE;
}

}  // namespace

bool AnsiFamily() {
    static const bool nineX = (GetVersion() & 0x80000000u) != 0;
    return nineX;
}

void UseAnsiForms(Calls& calls) {
    calls.CreateWindowExW = &CreateWindowExAnsi;
    calls.RegisterClassExW = &RegisterClassExAnsi;
    calls.GetClassInfoExW = &GetClassInfoExAnsi;
    calls.DefDlgProcW = &::DefDlgProcA;
    calls.DefWindowProcW = &::DefWindowProcA;
    calls.GetMessageW = &::GetMessageA;
    calls.PeekMessageW = &::PeekMessageA;
    calls.IsDialogMessageW = &::IsDialogMessageA;
    calls.DispatchMessageW = &::DispatchMessageA;
    // No message the program sends carries text: each means the same in either form.
    calls.SendMessageW = &::SendMessageA;
    calls.SetWindowTextW = &SetWindowTextAnsi;
    calls.GetWindowTextW = &GetWindowTextAnsi;
    calls.GetWindowTextLengthW = &::GetWindowTextLengthA;
    calls.CreateFontW = &CreateFontAnsi;
    calls.SystemParametersInfoW = &SystemParametersInfoAnsi;
    // Both take the same MONITORINFO, which carries no text.
    calls.GetMonitorInfoW = Calls::User32Function<decltype(&::GetMonitorInfoW)>("GetMonitorInfoA");
}

Calls& Live() {
    static Calls calls = [] {
        Calls bound;
        if (AnsiFamily()) UseAnsiForms(bound);
        return bound;
    }();
    return calls;
}

}  // namespace toolkit
