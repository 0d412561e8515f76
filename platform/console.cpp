#include "platform/console.h"

#include "toolkit/calls.h"
#include "toolkit/text.h"

namespace platform {

namespace {

constexpr DWORD AttachParentProcess = static_cast<DWORD>(-1);  // ATTACH_PARENT_PROCESS

bool IsHandle(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }

// The text in UTF-8, a lone surrogate, which UTF-8 cannot hold, as U+FFFD; by hand, as
// Windows 95 converts to no UTF-8.
std::string ToUtf8(std::wstring_view text) {
    std::string utf8;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1]))
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD;
        const int following = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        static const unsigned char lead[] = {0x00, 0xC0, 0xE0, 0xF0};
        utf8 += static_cast<char>(lead[following] | c >> 6 * following);
        for (int k = following - 1; k >= 0; --k)
            utf8 += static_cast<char>(0x80 | (c >> 6 * k & 0x3F));
    }
    return utf8;
}

}  // namespace

std::wstring CommandLine() {
    const Calls& calls = Live();
    if (toolkit::AnsiFamily() || !calls.GetCommandLineW)
        return toolkit::Widen(calls.GetCommandLineA());
    return calls.GetCommandLineW();
}

// A program of the Windows subsystem started from a console has no standard output of its own,
// and attaches to its parent's console. One it was given is a redirection to a file or pipe, a
// console it already has (as Wine gives one started from a terminal), or NUL, which reaches
// no one.
TextOutput::TextOutput() {
    const Calls& calls = Live();
    const HANDLE output = calls.GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    switch (IsHandle(output) ? calls.GetFileType(output) : FILE_TYPE_UNKNOWN) {
    case FILE_TYPE_DISK:
    case FILE_TYPE_PIPE: output_ = output; return;
    case FILE_TYPE_CHAR:
        console_ = calls.WriteConsoleW && calls.GetConsoleMode(output, &mode);
        if (console_) output_ = output;
        return;
    }
    if (!calls.AttachConsole || !calls.WriteConsoleW || !calls.AttachConsole(AttachParentProcess))
        return;
    const HANDLE console = calls.CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                             FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (!IsHandle(console)) return;
    opened_.reset(console);
    output_ = console;
    console_ = true;
}

void TextOutput::Write(std::wstring_view text) const {
    if (!output_) return;
    const Calls& calls = Live();
    DWORD written = 0;
    if (console_) {
        calls.WriteConsoleW(output_, text.data(), static_cast<DWORD>(text.size()), &written,
                            nullptr);
        return;
    }
    const std::string utf8 = ToUtf8(text);
    calls.WriteFile(output_, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

}  // namespace platform
