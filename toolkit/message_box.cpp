#include "toolkit/message_box.h"

#include <windows.h>

#include "toolkit/application.h"
#include "toolkit/calls.h"

namespace toolkit {

void ShowMessage(const std::wstring& prompt, unsigned style, const wchar_t* title) {
    Live().MessageBoxW(GetActiveWindow(), prompt.c_str(), title ? title : app::Title, style);
}

}  // namespace toolkit
