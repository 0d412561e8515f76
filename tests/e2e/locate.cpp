// Writes where a top-level window and its controls are on the screen, so that the end-to-end
// tests can click them as a person would. It runs inside the tests' Wine desktop, where no
// standard output reaches the shell, so the answer goes to a file, written whole at the end:
//   locate OUT "caption"  ->  window <left> <top> <right> <bottom>
//                             control <centre-x> <centre-y> <class> <text>   (one per child)
//                             end
// Waits up to five seconds for the window; the file then holds only "end".
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK PrintControl(HWND control, LPARAM out) {
    RECT rect{};
    GetWindowRect(control, &rect);
    wchar_t text[256] = {};
    GetWindowTextW(control, text, 256);
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
    char className[64] = {};
    GetClassNameA(control, className, sizeof(className));
    std::fprintf(reinterpret_cast<FILE*>(out), "control %ld %ld %s %s\n", (rect.left + rect.right) / 2,
                (rect.top + rect.bottom) / 2, className, utf8);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const std::wstring out = argv[1];
    const std::wstring partial = out + L".partial";
    FILE* file = _wfopen(partial.c_str(), L"w");
    if (!file) return 1;

    HWND window = nullptr;
    for (int attempt = 0; attempt < 50 && !window; ++attempt) {
        window = FindWindowW(nullptr, argv[2]);
        if (!window || !IsWindowVisible(window)) {
            window = nullptr;
            Sleep(100);
        }
    }
    if (window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        std::fprintf(file, "window %ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
        EnumChildWindows(window, &PrintControl, reinterpret_cast<LPARAM>(file));
    }
    std::fprintf(file, "end\n");
    std::fclose(file);
    return MoveFileExW(partial.c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
