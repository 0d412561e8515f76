#include "toolkit/ruler.h"

#include "toolkit/calls.h"

namespace toolkit {

Ruler::Ruler(HWND control) : dc_(CreateCompatibleDC(nullptr)) {
    RECT client{};
    GetClientRect(control, &client);
    width_ = client.right;
    const auto font = reinterpret_cast<HFONT>(Live().SendMessageW(control, WM_GETFONT, 0, 0));
    if (dc_ && font) SelectObject(dc_.get(), font);
}

// Without a device context to measure with, a text is taken to fit: shown whole, it may wrap,
// where cut on a guess it would lose what it says.
bool Ruler::Fits(std::wstring_view line) const {
    SIZE size{};
    if (!dc_ || !GetTextExtentPoint32W(dc_.get(), line.data(), static_cast<int>(line.size()), &size))
        return true;
    return size.cx <= width_;
}

std::wstring LineFit::CutToFit(std::wstring line, std::wstring_view closing) const {
    if (Fits(line + std::wstring(closing))) return line + std::wstring(closing);
    const std::wstring end = L"..." + std::wstring(closing);
    // Widths only grow as characters are added, so halving finds the longest start that fits,
    // in a few measurements even for a text of thousands of characters.
    std::size_t fits = 0;
    std::size_t over = line.size();
    while (over - fits > 1) {
        const std::size_t middle = (fits + over) / 2;
        if (Fits(line.substr(0, middle) + end))
            fits = middle;
        else
            over = middle;
    }
    line.resize(fits);
    if (!line.empty() && IS_HIGH_SURROGATE(line.back())) line.pop_back();
    line.erase(line.find_last_not_of(L' ') + 1);
    return line + end;
}

}  // namespace toolkit
