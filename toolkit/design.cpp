#include "toolkit/design.h"

#include "toolkit/calls.h"
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

bool HighContrastOn() {
    HIGHCONTRASTW scheme{};
    scheme.cbSize = sizeof(scheme);
    return Live().SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(scheme), &scheme, 0) &&
           (scheme.dwFlags & HCF_HIGHCONTRASTON);
}

Colour Colour::Drawn() const {
    return kind == Kind::Rgb && HighContrastOn() ? SystemColour(systemIndex) : *this;
}

}  // namespace toolkit
