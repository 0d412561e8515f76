#pragma once

#include <cstdint>
#include <string>

#include "toolkit/product.h"

// The application's name, version, copyright and icon, for every window and message box that
// shows them. The values come from the build (the CMake project), which gives the program
// file's resources the same ones.
namespace app {

inline constexpr const wchar_t* Title = L"" MORVANE_TITLE;

struct Version {
    std::uint16_t major;
    std::uint16_t minor;
    std::uint16_t revision;
};

inline constexpr Version CurrentVersion{MORVANE_VERSION_MAJOR, MORVANE_VERSION_MINOR,
                                        MORVANE_VERSION_REVISION};

inline constexpr const wchar_t* CopyrightHolder = L" " MORVANE_COPYRIGHT_YEAR " " MORVANE_COMPANY;

// "Copyright © 2026 Selbrook Software". The sign is U+00A9 itself, so it is the copyright sign
// on every system, whatever its code page.
inline std::wstring CopyrightNotice() {
    return std::wstring(L"Copyright ") + L'\u00a9' + CopyrightHolder;
}

}  // namespace app
