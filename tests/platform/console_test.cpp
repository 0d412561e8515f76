#include <gtest/gtest.h>

#include "platform/console.h"

namespace {

const HANDLE Output = reinterpret_cast<HANDLE>(0x5d), Console = reinterpret_cast<HANDLE>(0x6e);
struct Given {
    DWORD type;
    BOOL consoleMode, attaches;
    HANDLE opened;
    char goesTo;  // the file, the console, or nowhere
};
struct : Given {
    std::string file;
    std::wstring console;
    int closed;
} out;

HANDLE WINAPI StdHandle(DWORD which) { return which == STD_OUTPUT_HANDLE ? Output : nullptr; }
DWORD WINAPI FileType(HANDLE) { return out.type; }
BOOL WINAPI ConsoleMode(HANDLE, DWORD*) { return out.consoleMode; }
BOOL WINAPI Attach(DWORD process) { return process == static_cast<DWORD>(-1) && out.attaches; }
HANDLE WINAPI Open(LPCSTR, DWORD, DWORD, SECURITY_ATTRIBUTES*, DWORD, DWORD, HANDLE) {
    return out.opened;
}
BOOL WINAPI ToFile(HANDLE to, LPCVOID data, DWORD size, DWORD*, OVERLAPPED*) {
    return to == Output && out.file.append(static_cast<const char*>(data), size).size();
}
BOOL WINAPI ToConsole(HANDLE, const void* text, DWORD size, DWORD*, void*) {
    return out.console.append(static_cast<const wchar_t*>(text), size), TRUE;
}
BOOL WINAPI Close(HANDLE handle) { return out.closed += handle == Console; }

}  // namespace

TEST(TextOutputTest, AFileOrPipeGetsUtf8AConsoleUnicodeAndNulOrAFailedAttachNothing) {
    platform::Calls& calls = platform::Live();
    const platform::Calls saved = calls;
    calls.GetStdHandle = &StdHandle, calls.GetFileType = &FileType;
    calls.GetConsoleMode = &ConsoleMode, calls.AttachConsole = &Attach, calls.CreateFileA = &Open;
    calls.WriteFile = &ToFile, calls.WriteConsoleW = &ToConsole, calls.CloseHandle = &Close;
    const std::wstring text = L"Zo\u00eb \U0001F600 \xD800.";  // a pair, and a lone surrogate
    const std::string utf8 = "Zo\xC3\xAB \xF0\x9F\x98\x80 \xEF\xBF\xBD.";
    // A file, a pipe, a console it has, NUL; its parent's console, none, one it cannot open.
    const DWORD None = FILE_TYPE_UNKNOWN;
    const Given cases[] = {
        {FILE_TYPE_DISK, FALSE, TRUE, Console, 'f'}, {FILE_TYPE_PIPE, TRUE, TRUE, Console, 'f'},
        {FILE_TYPE_CHAR, TRUE, FALSE, nullptr, 'c'}, {FILE_TYPE_CHAR, FALSE, TRUE, Console, 0},
        {None, FALSE, TRUE, Console, 'c'}, {None, FALSE, FALSE, Console, 0},
        {None, FALSE, TRUE, INVALID_HANDLE_VALUE, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        out = {c, {}, {}, 0};
        {
            const platform::TextOutput output;
            EXPECT_EQ(output.Exists(), c.goesTo != 0);
            output.Write(text);
        }
        EXPECT_EQ(out.file, c.goesTo == 'f' ? utf8 : "");
        EXPECT_EQ(out.console, c.goesTo == 'c' ? text : L"");
        EXPECT_EQ(out.closed, c.goesTo == 'c' && c.opened);  // what it opened, once
    }
    calls = saved;
}
