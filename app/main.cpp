#include <windows.h>

#include "app/command_line.h"
#include "platform/library_search.h"
#include "toolkit/error.h"
#include "toolkit/form.h"
#include "windows/main/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything can load a library by name.
    platform::HardenLibrarySearch();
    if (const std::optional<int> exitCode = app::RunSwitches()) return *exitCode;
    platform::LoadCommonControls();
    // A main window that cannot be made is reported like any other error, then the program ends.
    if (!toolkit::RunHandler([] { toolkit::DefaultInstance<morvane>().Show(); })) return 1;
    toolkit::RunMessageLoop();
    return 0;
}
