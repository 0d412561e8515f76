#pragma once

#include <string>

namespace toolkit {

// A modal message box over the active window. Without a title of its own, the caption is the
// application's title. The answer is not returned: no caller asks a question.
void ShowMessage(const std::wstring& prompt, unsigned style = 0, const wchar_t* title = nullptr);

}  // namespace toolkit
