#include "toolkit/design.h"

#include "toolkit/owner.h"

namespace toolkit {

namespace {

void ReleaseScreenDc(HDC dc) { ReleaseDC(nullptr, dc); }
using ScreenDc = Owner<HDC, &ReleaseScreenDc>;

constexpr int TwipsPerInch = 1440;
constexpr int HundredthsOfPointPerInch = 7200;
constexpr int DefaultDpi = 96;

}  // namespace

int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, TwipsPerInch); }

int FontHeightPixels(const FontDesign& font, int dpi) {
    return MulDiv(font.hundredthsOfPoint, dpi, HundredthsOfPointPerInch);
}

int ScreenDpi() {
    const ScreenDc screen(GetDC(nullptr));
    return screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : DefaultDpi;
}

}  // namespace toolkit
