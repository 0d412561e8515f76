#include "platform/library_search.h"

#include "platform/calls.h"
#include "toolkit/calls.h"

namespace platform {

void HardenLibrarySearch() {
    // Both functions are looked up rather than imported: Windows 2000 lacks them both, and its
    // loader would refuse a program that imports either. No Windows of the 9x family has them.
    if (toolkit::AnsiFamily()) return;
    Calls& calls = Live();
    const HMODULE kernel32 = calls.GetModuleHandleW(L"kernel32.dll");
    if (!kernel32) return;
    const auto setDefault = As<decltype(&::SetDefaultDllDirectories)>(
        calls.GetProcAddress(kernel32, "SetDefaultDllDirectories"));
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    const auto setDirectory =
        As<decltype(&::SetDllDirectoryW)>(calls.GetProcAddress(kernel32, "SetDllDirectoryW"));
    if (setDirectory) setDirectory(L"");
}

}  // namespace platform
