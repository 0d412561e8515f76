#pragma once

#include <optional>

namespace app {

// Does what the switches on the program's command line ask, with no window, and says so where
// the program was started from; returns the exit code. Nothing where the command line has no
// arguments: the program then opens its window. An error no one expects (out of memory) is
// told as the window tells it, and ends in code 2.
std::optional<int> RunSwitches() noexcept;

}  // namespace app
