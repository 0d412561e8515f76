#include "toolkit/error.h"

#include <new>

#include <windows.h>

#include "toolkit/decimal.h"
#include "toolkit/message_box.h"

namespace toolkit {

namespace {

const wchar_t* StandardDescription(ErrorNumber number) {
    switch (number) {
    case ErrorNumber::InvalidArgument: return L"Invalid procedure call or argument";
    case ErrorNumber::OutOfMemory: return L"Out of memory";
    case ErrorNumber::FileNotFound: return L"File not found";
    case ErrorNumber::EntryPointNotFound: return L"Can't find DLL entry point";
    case ErrorNumber::Internal: return L"Internal error";
    }
    return L"Internal error";
}

}  // namespace

void Raise(ErrorNumber number, const std::wstring& detail) {
    std::wstring description = StandardDescription(number);
    if (!detail.empty()) description += L": " + detail;
    throw Error(static_cast<std::int32_t>(number), std::move(description));
}

Error CurrentExceptionAsError() noexcept {
    try {
        throw;
    } catch (const Error& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return Error(static_cast<std::int32_t>(ErrorNumber::OutOfMemory), L"Out of memory");
    } catch (...) {
        return Error(static_cast<std::int32_t>(ErrorNumber::Internal), L"Internal error");
    }
}

void ReportUntrapped(const Error& error) noexcept {
    try {
        ShowMessage(L"Error " + Decimal(error.Number()) + L": " + error.Description(),
                    MB_ICONSTOP);
    } catch (...) {
        // Nothing is left to report with; the handler has already been abandoned.
    }
}

}  // namespace toolkit
