#include <windows.h>

#include "toolkit/form.h"
#include "windows/main/main_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    toolkit::DefaultInstance<morvane>().Show();
    toolkit::RunMessageLoop();
    return 0;
}
