#include "toolkit/message_box.h"

#include <windows.h>

#include "app/metadata.h"
#include "platform/calls.h"

namespace toolkit {

void ShowMessage(const std::wstring& prompt, unsigned style, const wchar_t* title) {
    platform::Live().MessageBoxW(GetActiveWindow(), prompt.c_str(), title ? title : app::Title,
                                 style);
}

}  // namespace toolkit
