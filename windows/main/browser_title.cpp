#include "windows/main/browser_title.h"

#include <cwchar>
#include <optional>

#include <windows.h>

#include "platform/calls.h"
#include "registry/registry.h"

namespace {

const wchar_t* const IeKeyMachine = L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer";
// Where Windows keeps its build. The compatibility modes tried so far leave it as it is, though
// no document promises so; the 9x family has no such key.
const wchar_t* const WindowsKey =
    L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion";

// The number a string value begins with; 0 where there is none.
long LeadingNumber(const wchar_t* keyPath, const wchar_t* name) {
    std::wstring path = keyPath;
    std::wstring text;
    if (Registry::ReadStringValue(path, name, text) != ERROR_SUCCESS) return 0;
    return std::wcstol(text.c_str(), nullptr, 10);
}

// The first number of the installed version: svcVersion from version 10 on, where Version
// reads "9.10..." and "9.11..."; 0 where neither is found.
long InstalledMajorVersion() {
    for (const wchar_t* name : {L"svcVersion", L"Version"})
        if (const long major = LeadingNumber(IeKeyMachine, name); major > 0) return major;
    return 0;
}

// What the browser makes of a value read from a key it has: the value, or its own name where
// there is none.
ShownTitle TitleIn(const Registry::ValueRead& read, TitleSource source) {
    if (read.status == ERROR_SUCCESS) return ShownTitle{read.text, source};
    if (read.status == ERROR_FILE_NOT_FOUND) return ShownTitle{L"", TitleSource::OwnName};
    return ShownTitle{L"", TitleSource::Unreadable};
}

}  // namespace

Registry::ViewsChanged StoreTitle(const wchar_t* keyPath, const std::wstring& title) {
    return Registry::WriteInEveryView(keyPath, WindowTitleValue, title);
}

Registry::ViewsChanged RemoveTitle(const wchar_t* keyPath) {
    const Registry::ViewsChanged removed = Registry::DeleteInEveryView(keyPath, WindowTitleValue);
    if (removed.status == ERROR_PATH_NOT_FOUND) return {ERROR_SUCCESS, 0};
    return removed;
}

// Windows 11 reports itself as 10.0, build 22000 or later, to a program whose manifest names
// Windows 10; in a compatibility mode, as the older Windows, while the registry keeps its build.
bool WindowsHasNoInternetExplorer() {
    const DWORD version = platform::Live().GetVersion();
    const bool ntFamily = (version & 0x80000000u) == 0;
    const bool reportsWindows11 = ntFamily && LOBYTE(LOWORD(version)) >= 10 &&
                                  HIWORD(version) >= 22000;
    return reportsWindows11 || LeadingNumber(WindowsKey, L"CurrentBuildNumber") >= 22000;
}

std::wstring BrowserOwnName() {
    const long major = InstalledMajorVersion();
    if (major >= 10) return L"Internet Explorer";
    if (major >= 7) return L"Windows Internet Explorer";
    return DefaultTitle;
}

ShownTitle TitleTheBrowserShows() {
    using Registry::ReadInEveryView;
    for (const Registry::ValueRead& read : ReadInEveryView(IeMainKeyUser, WindowTitleValue)) {
        const ShownTitle user = TitleIn(read, TitleSource::User);
        if (user.source != TitleSource::OwnName) return user;
    }
    // A view without the key has no browser to read it, and is not read.
    std::optional<ShownTitle> shown;
    for (const Registry::ValueRead& read : ReadInEveryView(IeMainKeyMachine, WindowTitleValue)) {
        const ShownTitle inView = TitleIn(read, TitleSource::Machine);
        if (inView.source == TitleSource::Unreadable) return inView;
        if (shown && (shown->source != inView.source || shown->text != inView.text))
            return {L"", TitleSource::ViewsDiffer};
        shown = inView;
    }
    return shown ? *shown : ShownTitle{L"", TitleSource::OwnName};
}
