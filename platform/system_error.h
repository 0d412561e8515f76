#pragma once

#include <string>

namespace platform {

// The system's own description of a status code, without its closing line break.
std::wstring SystemErrorText(long status);

}  // namespace platform
