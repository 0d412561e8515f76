// Writes where a top-level window and its controls are on the screen, so that the end-to-end
// tests can click them as a person would. It runs inside the tests' Wine desktop, where no
// standard output reaches the shell, so the answer goes to a file, written whole at the end:
//   locate OUT "caption"  ->  window <left> <top> <right> <bottom> <unicode|ansi>
//                             control <centre-x> <centre-y> <class> <text>   (one per child)
//                             focus <centre-x> <centre-y> <class> <text>     (if it has one)
//                             end
// Waits up to five seconds for the window; the file then holds only "end".
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void PrintWindow(FILE* out, const char* kind, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    // What the control shows now, as a screen reader asks for it: from another process,
    // GetWindowText gives a text box's text from when it was made.
    wchar_t text[256] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        1000, &length);
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
    char className[64] = {};
    GetClassNameA(control, className, sizeof(className));
    std::fprintf(out, "%s %ld %ld %s %s\n", kind, (rect.left + rect.right) / 2,
                 (rect.top + rect.bottom) / 2, className, utf8);
}

BOOL CALLBACK PrintControl(HWND control, LPARAM out) {
    PrintWindow(reinterpret_cast<FILE*>(out), "control", control);
    return TRUE;
}

// The control that has the keyboard focus in the window's own thread.
void PrintFocus(FILE* out, HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus &&
        IsChild(window, info.hwndFocus))
        PrintWindow(out, "focus", info.hwndFocus);
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
        std::fprintf(file, "window %ld %ld %ld %ld %s\n", rect.left, rect.top, rect.right,
                     rect.bottom, IsWindowUnicode(window) ? "unicode" : "ansi");
        EnumChildWindows(window, &PrintControl, reinterpret_cast<LPARAM>(file));
        PrintFocus(file, window);
    }
    std::fprintf(file, "end\n");
    std::fclose(file);
    return MoveFileExW(partial.c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
