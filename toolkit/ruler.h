#pragma once

#include <string>
#include <string_view>

#include <windows.h>

#include "toolkit/owner.h"

namespace toolkit {

// Measures texts as a control draws them, in its font against its width, so that a text can be
// made to fit on one of its lines.
class Ruler {
public:
    explicit Ruler(HWND control);

    bool Fits(std::wstring_view line) const;
    // The line and its closing whole when they fit, otherwise the line cut short with "..."
    // where it still fits with the closing after it.
    std::wstring CutToFit(std::wstring line, std::wstring_view closing = {}) const;

private:
    static void DeleteDc(HDC dc) { DeleteDC(dc); }

    Owner<HDC, &DeleteDc> dc_;
    int width_ = 0;
};

}  // namespace toolkit
