#pragma once

#include <cstdint>
#include <string>

// The application's name and version, defined here once for every window that shows them.
namespace app {

inline constexpr const wchar_t* Title = L"Morvane";

struct Version {
    std::uint16_t major;
    std::uint16_t minor;
    std::uint16_t revision;
};

inline constexpr Version CurrentVersion{1, 0, 0};

inline constexpr const wchar_t* CopyrightHolder = L" 2026 Selbrook Software";

// "Copyright © 2026 Selbrook Software". The sign is U+00A9 itself, so it is the copyright sign
// on every system, whatever its code page.
inline std::wstring CopyrightNotice() {
    return std::wstring(L"Copyright ") + L'\u00a9' + CopyrightHolder;
}

}  // namespace app
