#include "platform/library_search.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/calls.h"
#include "toolkit/calls.h"
#include "toolkit/product.h"

namespace platform {

namespace {

// Version 6 registers the button, edit and static classes it draws in the visual style when
// asked for the standard classes; InitCommonControls, kept for older programs, asks for none.
bool RegisterCommonControls() {
    Calls& calls = Live();
    const HMODULE controls = calls.LoadLibraryExW(L"comctl32.dll", nullptr, 0);
    const auto initialise = As<decltype(&::InitCommonControlsEx)>(
        controls ? calls.GetProcAddress(controls, "InitCommonControlsEx") : nullptr);
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_STANDARD_CLASSES};
    return initialise && initialise(&classes);
}

}  // namespace

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
    // The 9x family takes the ANSI path, with the classic controls, all that a real Windows 98
    // has: a later Windows reporting 9x would give version 6's, Unicode windows.
    if (toolkit::AnsiFamily()) return;
    Calls& calls = Live();
    // Side-by-side versions came with activation contexts, in Windows XP.
    const HMODULE kernel32 = calls.GetModuleHandleW(L"kernel32.dll");
    if (!kernel32) return;
    const auto create =
        As<decltype(&::CreateActCtxW)>(calls.GetProcAddress(kernel32, "CreateActCtxW"));
    const auto activate =
        As<decltype(&::ActivateActCtx)>(calls.GetProcAddress(kernel32, "ActivateActCtx"));
    const auto deactivate =
        As<decltype(&::DeactivateActCtx)>(calls.GetProcAddress(kernel32, "DeactivateActCtx"));
    if (!create || !activate || !deactivate) return;
    ACTCTXW request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
    request.hModule = GetModuleHandleA(nullptr);
    request.lpResourceName = MAKEINTRESOURCEW(IDR_COMMON_CONTROLS_MANIFEST);
    // Active in the program's one thread until it ends; where the controls cannot be had after
    // all, its windows are made with the classic ones, as on Windows 2000.
    const HANDLE context = create(&request);
    ULONG_PTR cookie = 0;
    if (context == INVALID_HANDLE_VALUE || !activate(context, &cookie)) return;
    if (!RegisterCommonControls()) deactivate(0, cookie);
}

}  // namespace platform
