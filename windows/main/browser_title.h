#pragma once

#include <string>

#include "registry/registry.h"

// Where Internet Explorer keeps the text it shows after every page title, and how it finds it.

// The registry keys the title goes under, and the value it is stored as.
inline constexpr const wchar_t* IeMainKeyMachine =
    L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr const wchar_t* IeMainKeyUser =
    L"HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr const wchar_t* WindowTitleValue = L"Window Title";
// The browser's name up to version 6, and the name shown where no version is found.
inline constexpr const wchar_t* DefaultTitle = L"Microsoft Internet Explorer";

// Which of the places the browser looks in gave the title it shows, or why no one title can be
// named: a value there that cannot be read back, or the 64-bit and the 32-bit browser of 64-bit
// Windows showing different titles.
enum class TitleSource { User, Machine, OwnName, Unreadable, ViewsDiffer };

struct ShownTitle {
    std::wstring text;  // for the User and Machine sources; OwnName is BrowserOwnName()
    TitleSource source;
};

// Writes the title under the key (IeMainKeyUser or IeMainKeyMachine), or removes it so that the
// browser shows its own name, in each registry view that has the key (each is read by the
// browser of its size). A failure stops the change and is returned with the number of views
// changed before it. A removal where the key is missing has nothing to remove, and is done.
Registry::ViewsChanged StoreTitle(const wchar_t* keyPath, const std::wstring& title);
Registry::ViewsChanged RemoveTitle(const wchar_t* keyPath);

// Windows 11 and later, where no Internet Explorer shows the title, also where a compatibility
// mode makes the version calls report an older Windows.
bool WindowsHasNoInternetExplorer();

// The installed browser's own name, which it shows where no value names another.
std::wstring BrowserOwnName();

// The title as every browser on the machine reads it: the user's value, else the machine's in
// each registry view that has the key (a present but empty value counts), else its own name.
ShownTitle TitleTheBrowserShows();
