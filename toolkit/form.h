#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "toolkit/calls.h"
#include "toolkit/design.h"
#include "toolkit/owner.h"

namespace toolkit {

using FontOwner = Owner<HFONT, &DeleteGdiObject>;
using BrushOwner = Owner<HBRUSH, &DeleteGdiObject>;
using RegionOwner = Owner<HRGN, &DeleteGdiObject>;
inline void DestroyIconHandle(HICON icon) { DestroyIcon(icon); }
using IconOwner = Owner<HICON, &DestroyIconHandle>;

// The messages of a change of resolution, Windows 8.1's and Windows 10's (version 1703), which
// our headers show only to programs for those.
inline constexpr UINT DpiChangedMessage = 0x02E0;     // WM_DPICHANGED
inline constexpr UINT DpiScaledSizeMessage = 0x02E4;  // WM_GETDPISCALEDSIZE

// One window class of the program. The object is the class's instance and outlives its window:
// loading builds the window from the design, unloading destroys it and everything it held, and
// the next load starts again from the design. The window is laid out at the resolution of the
// monitor it opens on, and again from the design whenever that changes.
class Form {
public:
    explicit Form(const FormDesign& design) : design_(design) {}
    virtual ~Form();

    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Builds the window and its controls, then runs the load handler. Does nothing when loaded.
    void Load(HWND owner = nullptr);
    // Destroys the window; the instance stays. Does nothing when not loaded.
    void Unload();
    void Show();
    // Shows the window with its owner disabled and returns once it has been unloaded.
    void ShowModal(HWND owner);

    bool IsLoaded() const { return window_ != nullptr; }
    HWND Window() const { return window_; }
    HICON Icon() const;
    // The icon resource of the form that owns this window: a modal window shows its opener's.
    int OwnerIconResource() const;

    // Controls by name (and index, for a control array); touching one loads the window.
    HWND Control(int id, int index = NoIndex);
    std::wstring Text(int id);
    void SetText(int id, const std::wstring& text);
    bool IsSelected(int id, int index);
    // Shows the icon resource in an image control, drawn at the control's size.
    void SetPicture(int id, int iconResource);

    static int LoadedCount();

protected:
    virtual void OnLoad() {}
    // Runs as the window is destroyed, its controls still there.
    virtual void OnUnload() {}
    virtual void OnClick(int id) = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColour(UINT message, HDC dc, HWND control);
    Colour BackgroundOf(const ControlDesign& control) const;
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnNcDestroy();

    void RegisterWindowClass() const;
    RECT FrameAt(int dpi) const;
    void PlaceAt(int dpi);
    int WindowDpi() const;
    void OnDpiChanged(int dpi, const RECT& suggested);
    bool SizeAt(int dpi, SIZE& size) const;
    void CreateControls(int dpi);
    void CreateControl(const ControlDesign& control);
    void LayOutControls(int dpi);
    void ArrangeZOrder();
    void UncoverHiddenParts();
    void GiveWayTo(HWND control, const std::vector<HWND>& neighbours);
    void FocusFirstControl();
    void KeepTabStopOnSelectedOption(const ControlDesign& option);
    const ControlDesign* FindControl(int controlId) const;
    HFONT FontFor(const FontDesign& font, int dpi);
    HBRUSH BrushFor(const Colour& colour);

    struct CachedFont {
        FontDesign design;
        int dpi;
        FontOwner font;
    };
    struct CachedBrush {
        COLORREF colour;
        BrushOwner brush;
    };
    struct Picture {
        int controlId;
        int iconResource;
        IconOwner icon;
    };
    void ShowPicture(Picture& picture);

    const FormDesign& design_;
    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    HWND disabledOwner_ = nullptr;
    int dpi_ = 0;
    std::vector<CachedFont> fonts_;
    std::vector<CachedBrush> brushes_;
    std::vector<Picture> pictures_;
};

// Each window class's default instance, created the first time it is referred to.
template <typename FormClass>
FormClass& DefaultInstance() {
    static FormClass instance;
    return instance;
}

// Runs the program's message loop until no window is loaded any more.
void RunMessageLoop();

// Handles every message already waiting, as the message loop would (used by tests).
void PumpPendingMessages();

}  // namespace toolkit
