#include "platform/system_library.h"

#include <string>

#include "toolkit/error.h"

namespace platform {

namespace {

std::wstring SystemDirectory() {
    wchar_t directory[MAX_PATH] = {};
    const UINT length = Live().GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) toolkit::Raise(toolkit::ErrorNumber::FileNotFound);
    return std::wstring(directory, length);
}

}  // namespace

void SystemLibrary::Load() {
    if (module_) return;
    const std::wstring path = SystemDirectory() + L"\\" + fileName_;
    module_.reset(Live().LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!module_) toolkit::Raise(toolkit::ErrorNumber::FileNotFound, path);
}

FARPROC SystemLibrary::Find(const char* entryPoint) {
    Load();
    return Live().GetProcAddress(module_.get(), entryPoint);
}

FARPROC SystemLibrary::Function(const char* entryPoint) {
    const FARPROC function = Find(entryPoint);
    if (!function) {
        const std::string name = entryPoint;
        toolkit::Raise(toolkit::ErrorNumber::EntryPointNotFound,
                       std::wstring(name.begin(), name.end()) + L" in " + fileName_);
    }
    return function;
}

}  // namespace platform
