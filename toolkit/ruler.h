#pragma once

#include <string>
#include <string_view>

#include <windows.h>

#include "toolkit/owner.h"

namespace toolkit {

// How long a line of text may be where it is shown.
class LineFit {
public:
    virtual ~LineFit() = default;

    virtual bool Fits(std::wstring_view line) const = 0;
    // The line and its closing whole when they fit, otherwise the line cut short with "..."
    // where it still fits with the closing after it.
    std::wstring CutToFit(std::wstring line, std::wstring_view closing = {}) const;
};

// Lines of any length, for a console or a file, which cut none.
class AnyLength final : public LineFit {
public:
    bool Fits(std::wstring_view) const override { return true; }
};

// Measures texts as a control draws them, in its font against its width, so that a text can be
// made to fit on one of its lines.
class Ruler final : public LineFit {
public:
    explicit Ruler(HWND control);

    bool Fits(std::wstring_view line) const override;

private:
    static void DeleteDc(HDC dc) { DeleteDC(dc); }

    Owner<HDC, &DeleteDc> dc_;
    int width_ = 0;
};

}  // namespace toolkit
