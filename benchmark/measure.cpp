// Measures a program from outside, as a user meets it:
//   measure start PROGRAM CAPTION   start-up time (ms, launch to visible window) and private
//                                   memory (KiB) one second later, then closes the program
//   measure change PROGRAM COUNT    mean time (ms) of a synchronous "Change to Typed Message"
//   measure help PROGRAM COUNT      mean time (ms) to open and close the help window
// Prints one number per line.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

const wchar_t* const MainCaption = L"Change the name on Internet Explorer";

double Now() {
    static LARGE_INTEGER frequency{};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND WaitForWindow(const wchar_t* caption) {
    for (double end = Now() + 20000; Now() < end; Sleep(0)) {
        const HWND window = FindWindowW(nullptr, caption);
        if (window && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

PROCESS_INFORMATION Launch(const wchar_t* program) {
    std::wstring commandLine = std::wstring(L"\"") + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                   &startup, &process);
    return process;
}

void Close(const PROCESS_INFORMATION& process, HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

int Start(const wchar_t* program, const wchar_t* caption) {
    const double launched = Now();
    const PROCESS_INFORMATION process = Launch(program);
    if (!process.hProcess) return 1;
    const HWND window = WaitForWindow(caption);
    if (!window) return 1;
    std::printf("%.1f\n", Now() - launched);
    Sleep(1000);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof(counters));
    std::printf("%lu\n", static_cast<unsigned long>(counters.WorkingSetSize / 1024));
    Close(process, window);
    return 0;
}

HWND Button(HWND window, const wchar_t* caption) {
    return FindWindowExW(window, nullptr, L"Button", caption);
}

int Repeat(const wchar_t* program, int count, bool help) {
    const PROCESS_INFORMATION process = Launch(program);
    const HWND main = WaitForWindow(MainCaption);
    if (!main) return 1;
    const HWND change = Button(main, L"Change to Typed Message");
    const HWND helpButton = Button(main, L"Help");
    const double begin = Now();
    for (int round = 0; round < count; ++round) {
        if (!help) {
            SendMessageW(change, BM_CLICK, 0, 0);
            continue;
        }
        PostMessageW(helpButton, BM_CLICK, 0, 0);
        const HWND helpWindow = WaitForWindow(L"Morvane Help");
        if (!helpWindow) return 1;
        SendMessageW(helpWindow, WM_CLOSE, 0, 0);
        while (!IsWindowEnabled(main)) Sleep(0);
    }
    std::printf("%.3f\n", (Now() - begin) / count);
    Close(process, main);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 4 && std::wcscmp(argv[1], L"start") == 0) return Start(argv[2], argv[3]);
    if (argc == 4 && std::wcscmp(argv[1], L"change") == 0)
        return Repeat(argv[2], _wtoi(argv[3]), false);
    if (argc == 4 && std::wcscmp(argv[1], L"help") == 0) return Repeat(argv[2], _wtoi(argv[3]), true);
    std::fprintf(stderr, "usage: measure start|change|help PROGRAM CAPTION|COUNT\n");
    return 2;
}
