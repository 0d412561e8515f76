#include "platform/library_search.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/calls.h"

namespace platform {

void HardenLibrarySearch() {
    // Both functions are looked up rather than imported: Windows 2000 and the 9x family lack
    // them, and their loaders would refuse a program that imports either. Looked up whatever
    // the family reads as: a compatibility mode makes a newer Windows report the 9x family.
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

void LoadCommonControls() {
    Calls& calls = Live();
    // Side-by-side versions came with activation contexts, in Windows XP.
    const HMODULE kernel32 = calls.GetModuleHandleW(L"kernel32.dll");
    if (!kernel32 || !calls.GetProcAddress(kernel32, "ActivateActCtx")) return;
    const HMODULE controls = calls.LoadLibraryExW(L"comctl32.dll", nullptr, 0);
    if (!controls) return;  // the windows say so, as they are made
    const auto initialise = As<decltype(&::InitCommonControls)>(
        calls.GetProcAddress(controls, "InitCommonControls"));
    if (initialise) initialise();
}

}  // namespace platform
