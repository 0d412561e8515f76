#pragma once

#include <optional>
#include <string>

// Where Internet Explorer keeps the text it shows after every page title, and how it finds it.

// The registry keys the title goes under, and the value it is stored as.
inline constexpr const wchar_t* IeMainKeyMachine =
    L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr const wchar_t* IeMainKeyUser =
    L"HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr const wchar_t* WindowTitleValue = L"Window Title";
// The browser's name up to version 6, and the name shown where no version is found.
inline constexpr const wchar_t* DefaultTitle = L"Microsoft Internet Explorer";

// Which of the places the browser looks in gave the title it shows.
enum class TitleSource { User, Machine, OwnName };

struct ShownTitle {
    std::wstring text;
    TitleSource source;
};

// The installed browser's own name, which it shows where no value names another.
std::wstring BrowserOwnName();

// The title as the browser reads it: the user's value, else the machine's (a present but empty
// value counts), else its own name. Nothing where a value is there but cannot be read back.
std::optional<ShownTitle> TitleTheBrowserShows();
