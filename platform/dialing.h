#pragma once

#include <string>

#include <windows.h>

// The dial-up prompt and the shell's "open", for the help window's mirror sites. Neither library
// is linked into the program: each function is bound by library and entry-point name the first
// time it is called, and the bound function is reused afterwards; the libraries stay loaded until
// the program ends. A library that cannot be loaded raises error 53, a missing entry point 453.
namespace DialingModule {

inline constexpr DWORD InternetDialForcePrompt = 0x2000;  // INTERNET_DIAL_FORCE_PROMPT

// wininet.dll's InternetDial, with the connection name in the system's 8-bit code page. The
// connection number it writes back is pointer-sized.
DWORD InternetDial(HWND parent, const std::wstring& connection, DWORD flags,
                   DWORD_PTR* connectionNumber, DWORD reserved);

// shell32.dll's ShellExecuteA; texts are converted to the 8-bit code page, null stays null.
// Before the first open, COM is initialised on this thread, apartment-threaded, as the shell
// asks of its callers (ole32.dll's CoInitializeEx, or CoInitialize where, as on Windows 95
// without DCOM, there is none).
HINSTANCE ShellExecuteA(HWND owner, const wchar_t* operation, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* directory, int showCommand);

// For tests: leaves COM if the first open entered it, forgets the bound functions and releases
// their libraries, so the next call binds afresh.
void Unbind();

}  // namespace DialingModule
