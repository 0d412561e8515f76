#include "platform/system_error.h"

#include <windows.h>

#include "platform/calls.h"
#include "toolkit/decimal.h"

namespace platform {

std::wstring SystemErrorText(long status) {
    // Room for the longest of the system's own descriptions.
    wchar_t text[1024] = {};
    const DWORD length = Live().FormatMessageW(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(status), 0, text, 1024, nullptr);
    if (length == 0) return L"Error " + toolkit::Decimal(status) + L".";
    std::wstring description(text, length);
    description.erase(description.find_last_not_of(L" \r\n") + 1);
    return description;
}

}  // namespace platform
