#pragma once

#include <cstdint>

// The application's name and version, defined here once for every window that shows them.
namespace app {

inline constexpr const wchar_t* Title = L"Morvane";

struct Version {
    std::uint16_t major;
    std::uint16_t minor;
    std::uint16_t revision;
};

inline constexpr Version CurrentVersion{1, 0, 0};

}  // namespace app
