#pragma once

#include <string>
#include <string_view>

#include <windows.h>

#include "platform/calls.h"
#include "toolkit/owner.h"

namespace platform {

// The command line the program was started with, whole: as Unicode on the NT family, from the
// ANSI code page on the 9x family, whose wide form need not be real.
std::wstring CommandLine();

// Where a program of the Windows subsystem can write what it is asked for, found once: the file,
// pipe or device its output is redirected to; else the console of the process that started it
// (cmd, PowerShell), where Windows lets a program attach to one (from XP on); else nowhere.
class TextOutput {
public:
    TextOutput();

    bool Exists() const { return output_ != nullptr; }
    // Writes the text as it is: to a console in Unicode, elsewhere in UTF-8. Nowhere to write,
    // or a write that fails, leaves nothing to tell it to.
    void Write(std::wstring_view text) const;

private:
    static void Close(HANDLE handle) { Live().CloseHandle(handle); }

    HANDLE output_ = nullptr;
    bool console_ = false;
    toolkit::Owner<HANDLE, &Close> opened_;  // the parent's console output, opened here
};

}  // namespace platform
