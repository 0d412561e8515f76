#include "platform/system_error.h"

#include <windows.h>

#include "toolkit/decimal.h"
#include "toolkit/owner.h"

namespace platform {

namespace {

using LocalBuffer = toolkit::Owner<HLOCAL, &::LocalFree>;

}  // namespace

std::wstring SystemErrorText(long status) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const LocalBuffer buffer(text);
    if (length == 0 || !text) return L"Error " + toolkit::Decimal(status) + L".";
    std::wstring description(text, length);
    description.erase(description.find_last_not_of(L" \r\n") + 1);
    return description;
}

}  // namespace platform
