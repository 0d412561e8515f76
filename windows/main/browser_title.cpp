#include "windows/main/browser_title.h"

#include <cwchar>
#include <optional>
#include <string_view>
#include <vector>

#include <windows.h>

#include "platform/calls.h"
#include "registry/registry.h"

namespace {

const wchar_t* const IeKeyMachine = L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer";

// The first number of the installed version: svcVersion from version 10 on, where Version
// reads "9.10..." and "9.11..."; 0 where neither is found.
long InstalledMajorVersion() {
    for (const wchar_t* name : {L"svcVersion", L"Version"}) {
        std::wstring keyPath = IeKeyMachine;
        std::wstring version;
        if (Registry::ReadStringValue(keyPath, name, version) != ERROR_SUCCESS) continue;
        const long major = std::wcstol(version.c_str(), nullptr, 10);
        if (major > 0) return major;
    }
    return 0;
}

// The registry views a key lies in: on 64-bit Windows, HKEY_LOCAL_MACHINE\Software has a
// 64-bit and a 32-bit one, each read by the browser of that size. The user's key is shared.
std::vector<REGSAM> ViewsOf(std::wstring_view keyPath) {
    if (keyPath.rfind(L"HKEY_LOCAL_MACHINE\\", 0) == 0 && platform::HasRegistryViews())
        return {KEY_WOW64_64KEY, KEY_WOW64_32KEY};
    return {0};
}

// Makes the change in each view that has the key.
template <typename Change>
long InEachView(const wchar_t* keyPath, Change change) {
    long result = ERROR_FILE_NOT_FOUND;
    for (const REGSAM view : ViewsOf(keyPath)) {
        std::wstring path = keyPath;
        const long status = change(path, view);
        if (status == ERROR_FILE_NOT_FOUND) continue;  // no browser reads this view
        if (status != ERROR_SUCCESS) return status;
        result = ERROR_SUCCESS;
    }
    return result;
}

// What the browser finds in one place: the value; none, where it shows its own name; nothing
// where even the key is missing.
std::optional<ShownTitle> TitleIn(const wchar_t* keyPath, TitleSource source, REGSAM view = 0) {
    std::wstring path = keyPath;
    std::wstring text;
    const long status = Registry::ReadStringValue(path, WindowTitleValue, text, view);
    if (status == ERROR_SUCCESS) return ShownTitle{text, source};
    if (status == ERROR_PATH_NOT_FOUND) return std::nullopt;
    if (status == ERROR_FILE_NOT_FOUND) return ShownTitle{L"", TitleSource::OwnName};
    return ShownTitle{L"", TitleSource::Unreadable};
}

}  // namespace

long StoreTitle(const wchar_t* keyPath, const std::wstring& title) {
    return InEachView(keyPath, [&](std::wstring& path, REGSAM view) {
        return Registry::WriteStringValue(path, WindowTitleValue, title, view);
    });
}

long RemoveTitle(const wchar_t* keyPath) {
    const long status = InEachView(keyPath, [](std::wstring& path, REGSAM view) {
        return Registry::DeleteValue(path, WindowTitleValue, view);
    });
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

// Windows 11 reports itself as 10.0, build 22000 or later, to a program whose manifest names
// Windows 10.
bool WindowsHasNoInternetExplorer() {
    const DWORD version = platform::Live().GetVersion();
    const bool ntFamily = (version & 0x80000000u) == 0;
    return ntFamily && LOBYTE(LOWORD(version)) >= 10 && HIWORD(version) >= 22000;
}

std::wstring BrowserOwnName() {
    const long major = InstalledMajorVersion();
    if (major >= 10) return L"Internet Explorer";
    if (major >= 7) return L"Windows Internet Explorer";
    return DefaultTitle;
}

ShownTitle TitleTheBrowserShows() {
    const std::optional<ShownTitle> user = TitleIn(IeMainKeyUser, TitleSource::User);
    if (user && user->source != TitleSource::OwnName) return *user;

    std::optional<ShownTitle> shown;
    for (const REGSAM view : ViewsOf(IeMainKeyMachine)) {
        const auto inView = TitleIn(IeMainKeyMachine, TitleSource::Machine, view);
        if (!inView) continue;  // no browser reads this view
        if (inView->source == TitleSource::Unreadable) return *inView;
        if (shown && (shown->source != inView->source || shown->text != inView->text))
            return {L"", TitleSource::ViewsDiffer};
        shown = inView;
    }
    return shown ? *shown : ShownTitle{L"", TitleSource::OwnName};
}
