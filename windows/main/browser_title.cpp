#include "windows/main/browser_title.h"

#include <cwchar>

#include <windows.h>

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

}  // namespace

std::wstring BrowserOwnName() {
    const long major = InstalledMajorVersion();
    if (major >= 10) return L"Internet Explorer";
    if (major >= 7) return L"Windows Internet Explorer";
    return DefaultTitle;
}

std::optional<ShownTitle> TitleTheBrowserShows() {
    const struct {
        const wchar_t* keyPath;
        TitleSource source;
    } places[] = {{IeMainKeyUser, TitleSource::User}, {IeMainKeyMachine, TitleSource::Machine}};
    for (const auto& place : places) {
        std::wstring keyPath = place.keyPath;
        std::wstring text;
        const LONG status = Registry::ReadStringValue(keyPath, WindowTitleValue, text);
        if (status == ERROR_SUCCESS) return ShownTitle{text, place.source};
        if (status != ERROR_FILE_NOT_FOUND) return std::nullopt;
    }
    return ShownTitle{BrowserOwnName(), TitleSource::OwnName};
}
