#pragma once

#include <vector>

#include <windows.h>

namespace toolkit {

// A window is described by a design: its own properties and a table of its controls, in the
// order they are created, with positions in twips. The toolkit turns it into a real window.

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct FontDesign {
    const wchar_t* name;     // nullptr: the window's own font
    int hundredthsOfPoint;
    int weight;              // FW_NORMAL or FW_BOLD
};

inline constexpr FontDesign WindowFont{nullptr, 0, 0};
inline constexpr FontDesign ArialRegular{L"Arial", 825, FW_NORMAL};
inline constexpr FontDesign ArialBold{L"Arial", 825, FW_BOLD};

// A system colour (COLOR_MENU ...) or an RGB value; an unset colour leaves the control's own.
// An RGB value names the system colour that stands in for it while a high-contrast scheme is on:
// the user chose that scheme's colours to read by, and a fixed colour beside them may not be
// legible (the scheme's white text on a fixed silver, say).
struct Colour {
    enum class Kind { Unset, System, Rgb };
    Kind kind = Kind::Unset;
    int systemIndex = 0;    // System: the colour; Rgb: its stand-in under high contrast
    COLORREF rgb = 0;

    bool IsSet() const { return kind != Kind::Unset; }
    // The colour as drawn now: an RGB value gives way to its stand-in under high contrast.
    Colour Drawn() const;
    COLORREF Value() const { return kind == Kind::System ? GetSysColor(systemIndex) : rgb; }
};

inline constexpr Colour SystemColour(int index) { return {Colour::Kind::System, index, 0}; }
inline constexpr Colour RgbColour(BYTE red, BYTE green, BYTE blue, int highContrastIndex) {
    return {Colour::Kind::Rgb, highContrastIndex, RGB(red, green, blue)};
}
inline constexpr Colour Unset{};

enum class ControlKind { Label, TextBox, CommandButton, OptionButton, Image };
enum class Align { Left, Centre, Right };

enum ControlOption : unsigned {
    NoOptions = 0,
    MultiLine = 1,        // text box: several lines with a vertical scroll bar
    ReadOnly = 2,         // text box: the user cannot change it
    Selected = 4,         // option button: selected when the window loads
    Cancel = 8,           // command button: Esc presses it
};

inline constexpr int NoIndex = -1;      // not a member of a control array
inline constexpr int NoTabIndex = 999;  // never takes the focus; placed after the others

struct ControlDesign {
    int id;             // the control's name; a control array's members share it ...
    int index;          // ... and are told apart by their index (id + index is their own id)
    ControlKind kind;
    const wchar_t* caption;
    TwipsRect rect;
    int tabIndex;
    FontDesign font = WindowFont;
    Colour background = Unset;
    Colour text = Unset;
    Align align = Align::Left;
    unsigned options = NoOptions;
    // Label: the control it names (0: none). Screen readers take the static text just above a
    // control in z-order as the control's name, so the label is placed there.
    int names = 0;

    int ControlId() const { return index == NoIndex ? id : id + index; }
};

enum class Border { FixedSingle, FixedDialog };
enum class StartUpPosition { CentreScreen, CentreOwner };

struct FormDesign {
    const wchar_t* className;
    const wchar_t* caption;
    int clientWidth;    // twips
    int clientHeight;   // twips
    Border border;
    StartUpPosition position;
    int backgroundSystemColour;
    int iconResource;   // 0: no icon
    FontDesign font;
    std::vector<ControlDesign> controls;
};

// Twips (1440 to the inch) to pixels at the given resolution: 15 twips a pixel at 96 dpi.
int TwipsToPixels(int twips, int dpi);

// The point size of a font design as a character height in pixels (Arial 8.25 pt: 11 at 96 dpi).
int FontHeightPixels(const FontDesign& font, int dpi);

// The screen's resolution in dots per inch.
int ScreenDpi();

// Whether the user has a high-contrast scheme on; asked each time, so a change of scheme shows
// at the next paint.
bool HighContrastOn();

}  // namespace toolkit
