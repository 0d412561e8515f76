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

std::wstring DescribeUntrapped() {
    const auto describe = [](std::int32_t number, const std::wstring& description) {
        return L"Error " + Decimal(number) + L": " + description;
    };
    try {
        throw;
    } catch (const Error& error) {
        return describe(error.Number(), error.Description());
    } catch (const std::bad_alloc&) {
        return describe(static_cast<std::int32_t>(ErrorNumber::OutOfMemory), L"Out of memory");
    } catch (...) {
        return describe(static_cast<std::int32_t>(ErrorNumber::Internal), L"Internal error");
    }
}

void ReportUntrapped() noexcept {
    try {
        ShowMessage(DescribeUntrapped(), MB_ICONSTOP);
    } catch (...) {
        // Nothing is left to report with; the handler has already been abandoned.
    }
}

}  // namespace toolkit
