#include "platform/dialing.h"

#include <optional>

#include <shellapi.h>
#include <wininet.h>
// wininet.h maps InternetDial to its wide-character twin; here the name is this module's own.
#undef InternetDial

#include "platform/ansi.h"
#include "platform/com.h"
#include "platform/system_library.h"

static_assert(DialingModule::InternetDialForcePrompt == INTERNET_DIAL_FORCE_PROMPT);

namespace DialingModule {

namespace {

using platform::BoundFunction;
using platform::SystemLibrary;

SystemLibrary wininet(L"wininet.dll");
SystemLibrary shell32(L"shell32.dll");

// The entry point "InternetDial" writes a pointer-sized connection number, as InternetDialA
// declares it; its older declaration's DWORD would be overrun on 64-bit Windows.
BoundFunction<decltype(&::InternetDialA)> internetDial(wininet, "InternetDial");
BoundFunction<decltype(&::ShellExecuteA)> shellExecute(shell32, "ShellExecuteA");

std::optional<std::string> AnsiOrNothing(const wchar_t* text) {
    if (!text) return std::nullopt;
    return platform::ToAnsiOrRaise(text);
}

const char* PointerTo(const std::optional<std::string>& text) {
    return text ? text->c_str() : nullptr;
}

}  // namespace

DWORD InternetDial(HWND parent, const std::wstring& connection, DWORD flags,
                   DWORD_PTR* connectionNumber, DWORD reserved) {
    const auto dial = internetDial.Get();
    std::string name = platform::ToAnsiOrRaise(connection);
    return dial(parent, name.data(), flags, connectionNumber, reserved);
}

HINSTANCE ShellExecuteA(HWND owner, const wchar_t* operation, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* directory, int showCommand) {
    const auto open = shellExecute.Get();
    // A shell extension may carry out the verb, so the shell asks its callers for COM. Should
    // COM refuse, the open goes ahead all the same: the shell opens a web address without COM
    // on most systems, and the user is better served by the attempt than by an error.
    platform::Com::Enter();
    const auto ansiOperation = AnsiOrNothing(operation);
    const auto ansiFile = AnsiOrNothing(file);
    const auto ansiParameters = AnsiOrNothing(parameters);
    const auto ansiDirectory = AnsiOrNothing(directory);
    return open(owner, PointerTo(ansiOperation), PointerTo(ansiFile), PointerTo(ansiParameters),
                PointerTo(ansiDirectory), showCommand);
}

void Unbind() {
    platform::Com::Unbind();
    internetDial.Forget();
    shellExecute.Forget();
    wininet.Release();
    shell32.Release();
}

}  // namespace DialingModule
