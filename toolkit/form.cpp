#include "toolkit/form.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "toolkit/error.h"

namespace toolkit {

namespace {

int loadedForms = 0;

// Calls that carry no text take the ANSI form on every Windows: the wide one is a stub on 9x.
HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

struct WindowStyle {
    DWORD style;
    DWORD exStyle;
};

WindowStyle StyleFor(Border border) {
    // Neither border can be resized or maximised, and neither has a minimize box.
    if (border == Border::FixedDialog)
        return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME};
    return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0};
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

DWORD LabelAlignment(Align align) {
    switch (align) {
    case Align::Centre: return SS_CENTER;
    case Align::Right: return SS_RIGHT;
    case Align::Left: break;
    }
    return SS_LEFT;
}

ControlClass ClassFor(const ControlDesign& control) {
    switch (control.kind) {
    case ControlKind::Label:
        // Labels show their text as it is: an ampersand is a character, not an access key.
        return {L"STATIC", SS_NOPREFIX | LabelAlignment(control.align), 0};
    case ControlKind::TextBox: {
        const DWORD lines = (control.options & MultiLine)
                                ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL
                                : ES_AUTOHSCROLL;
        const DWORD readOnly = (control.options & ReadOnly) ? ES_READONLY : 0;
        return {L"EDIT", WS_TABSTOP | lines | readOnly, WS_EX_CLIENTEDGE};
    }
    case ControlKind::CommandButton:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY, 0};
    case ControlKind::OptionButton: {
        // The group's one tab stop sits on its selected member, so Tab never changes the choice.
        const DWORD tabStop = (control.options & Selected) ? WS_TABSTOP : 0;
        return {L"BUTTON", tabStop | BS_AUTORADIOBUTTON, 0};
    }
    case ControlKind::Image:
        return {L"STATIC", SS_ICON | SS_REALSIZEIMAGE, 0};
    }
    return {L"STATIC", 0, 0};
}

// Every control starts a group of its own, except the later members of an option-button array,
// which join the group of the member with index 0.
DWORD GroupStyle(const ControlDesign& control) {
    const bool joinsGroup = control.kind == ControlKind::OptionButton && control.index > 0;
    return joinsGroup ? 0 : WS_GROUP;
}

bool TakesFocus(const ControlDesign& control) {
    return control.kind != ControlKind::Label && control.kind != ControlKind::Image;
}

// Whether the upper control, stacked above the lower, must leave the lower visible where they meet.
bool MustStayVisible(const ControlDesign& lower, const ControlDesign& upper) {
    if (upper.names != 0) return lower.ControlId() == upper.names;
    return upper.kind == ControlKind::OptionButton && lower.id == upper.id &&
           lower.index > upper.index;
}

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

// A window's top-left corner, moved so that the window lies within the work area of its monitor
// (its top left stays visible where it is too big), as the dialog manager keeps a dialog.
// Windows 95, which has no monitor functions, leaves it where it is.
POINT WithinWorkArea(RECT window) {
    const Calls& calls = Live();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!calls.MonitorFromRect || !calls.GetMonitorInfoW ||
        !calls.GetMonitorInfoW(calls.MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &monitor))
        return {window.left, window.top};
    const RECT& work = monitor.rcWork;
    return {std::max(work.left, std::min(window.left, work.right - Width(window))),
            std::max(work.top, std::min(window.top, work.bottom - Height(window)))};
}

// The top-level window a window belongs to (GetAncestor's root, which Windows 95 lacks).
HWND RootOf(HWND window) {
    while (window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
    return window;
}

// Focus rectangles and access-key underlines as in a dialog: shown from the start where the user
// has them always shown; otherwise hidden, where the system hides them, until the keyboard is used.
void ShowCuesAsInADialog(HWND window) {
    const Calls& calls = Live();
    BOOL always = FALSE;
    const WPARAM change =
        calls.SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0) && always
            ? MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS)
            : MAKEWPARAM(UIS_INITIALIZE, 0);
    calls.SendMessageW(window, WM_CHANGEUISTATE, change, 0);
}

void Dispatch(MSG& message) {
    const Calls& calls = Live();
    // Ctrl+A (not AltGr, that is Ctrl+Alt) selects the whole text, which classic text boxes lack.
    if (message.message == WM_KEYDOWN && message.wParam == 'A' && GetKeyState(VK_CONTROL) < 0 &&
        GetKeyState(VK_MENU) >= 0 &&
        (calls.SendMessageW(message.hwnd, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)) {
        calls.SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
        return;
    }
    // Tab, the arrow keys, access keys, Enter and Esc work as in dialogs.
    const HWND root = RootOf(message.hwnd);
    if (root && calls.IsDialogMessageW(root, &message)) return;
    TranslateMessage(&message);
    calls.DispatchMessageW(&message);
}

}  // namespace

Form::~Form() {
    if (window_) DestroyWindow(window_);
}

int Form::LoadedCount() { return loadedForms; }

HICON Form::Icon() const {
    if (design_.iconResource == 0) return nullptr;
    return LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(design_.iconResource));
}

int Form::OwnerIconResource() const {
    if (!owner_) return 0;
    const auto* owner = reinterpret_cast<const Form*>(GetWindowLongPtrA(owner_, GWLP_USERDATA));
    return owner ? owner->design_.iconResource : 0;
}

void Form::RegisterWindowClass() const {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (Live().GetClassInfoExW(ProgramInstance(), design_.className, &existing)) return;

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Form::WindowProc;
    // What the window procedure leaves goes to the dialog manager's (DefDlgProc, with its data in
    // these bytes): the focus kept across deactivation, the multi-line text box's Tab answered.
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = ProgramInstance();
    windowClass.hIcon = Icon();
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(
        static_cast<INT_PTR>(design_.backgroundSystemColour + 1));
    windowClass.lpszClassName = design_.className;
    if (!Live().RegisterClassExW(&windowClass)) Raise(ErrorNumber::OutOfMemory, L"window class");
}

// The window's frame for its design's client area at a resolution, centred where it opens.
RECT Form::FrameAt(int dpi) const {
    const WindowStyle style = StyleFor(design_.border);
    RECT frame{0, 0, TwipsToPixels(design_.clientWidth, dpi),
               TwipsToPixels(design_.clientHeight, dpi)};
    const Calls& calls = Live();
    if (!calls.AdjustWindowRectExForDpi ||
        !calls.AdjustWindowRectExForDpi(&frame, style.style, FALSE, style.exStyle, dpi))
        AdjustWindowRectEx(&frame, style.style, FALSE, style.exStyle);

    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (design_.position == StartUpPosition::CentreOwner && owner_) GetWindowRect(owner_, &area);
    OffsetRect(&frame, area.left + (Width(area) - Width(frame)) / 2 - frame.left,
               area.top + (Height(area) - Height(frame)) / 2 - frame.top);
    return frame;
}

void Form::PlaceAt(int dpi) {
    const RECT frame = FrameAt(dpi);
    const POINT place = WithinWorkArea(frame);
    SetWindowPos(window_, nullptr, place.x, place.y, Width(frame), Height(frame),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The resolution of the monitor the window is on; the screen's where Windows has one for all.
int Form::WindowDpi() const {
    const Calls& calls = Live();
    const UINT dpi = calls.GetDpiForWindow ? calls.GetDpiForWindow(window_) : 0;
    return dpi ? static_cast<int>(dpi) : ScreenDpi();
}

void Form::Load(HWND owner) {
    if (window_) return;
    RegisterWindowClass();

    const WindowStyle style = StyleFor(design_.border);
    Live().CreateWindowExW(style.exStyle, design_.className, design_.caption, style.style, 0, 0,
                           0, 0, owner, nullptr, ProgramInstance(), this);
    if (!window_) Raise(ErrorNumber::OutOfMemory, L"window");
    owner_ = owner;
    try {
        // Placed at the screen's resolution first, to find the monitor it opens on, and then
        // again at that monitor's where it has another.
        const int screenDpi = ScreenDpi();
        PlaceAt(screenDpi);
        const int dpi = WindowDpi();
        if (dpi != screenDpi) PlaceAt(dpi);
        CreateControls(dpi);
        ShowCuesAsInADialog(window_);
        OnLoad();
    } catch (...) {
        DestroyWindow(window_);
        throw;
    }
}

void Form::Unload() {
    if (!window_) return;
    // The owner is enabled before its modal window goes, so that it, and not some other
    // program, is activated next.
    if (disabledOwner_) EnableWindow(std::exchange(disabledOwner_, nullptr), TRUE);
    DestroyWindow(window_);
}

void Form::Show() {
    Load();
    ShowWindow(window_, SW_SHOW);
    FocusFirstControl();
}

void Form::ShowModal(HWND owner) {
    Load(owner);
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabledOwner_ = owner;
    }
    Show();
    MSG message;
    while (IsLoaded()) {
        const BOOL got = Live().GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // A quit request belongs to the outer loop: end this window and pass it on.
            Unload();
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1) {
            Unload();
            break;
        }
        Dispatch(message);
    }
}

void Form::CreateControls(int dpi) {
    for (const ControlDesign& control : design_.controls) CreateControl(control);
    ArrangeZOrder();
    LayOutControls(dpi);
}

// Every control placed, and its font and picture sized, at a resolution, from the design: laid
// out afresh at each change, nothing drifts from rounding. The fonts of another go with it.
void Form::LayOutControls(int dpi) {
    dpi_ = dpi;
    const Calls& calls = Live();
    for (const ControlDesign& control : design_.controls) {
        const HWND handle = GetDlgItem(window_, control.ControlId());
        SetWindowPos(handle, nullptr, TwipsToPixels(control.rect.left, dpi),
                     TwipsToPixels(control.rect.top, dpi), TwipsToPixels(control.rect.width, dpi),
                     TwipsToPixels(control.rect.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        calls.SendMessageW(handle, WM_SETFONT,
                           reinterpret_cast<WPARAM>(FontFor(control.font, dpi)), TRUE);
    }
    fonts_.erase(std::remove_if(fonts_.begin(), fonts_.end(),
                                [dpi](const CachedFont& font) { return font.dpi != dpi; }),
                 fonts_.end());
    for (Picture& picture : pictures_) ShowPicture(picture);
    UncoverHiddenParts();
}

// Windows suggests the window's new place and size; its controls follow, each the same window,
// so what the user typed, selected and focused stays as it was.
void Form::OnDpiChanged(int dpi, const RECT& suggested) {
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, Width(suggested),
                 Height(suggested), SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutControls(dpi);
}

// The window's size for its design's client area at a resolution, where Windows can tell it;
// otherwise Windows scales the frame it has.
bool Form::SizeAt(int dpi, SIZE& size) const {
    if (!Live().AdjustWindowRectExForDpi) return false;
    const RECT frame = FrameAt(dpi);
    size = {Width(frame), Height(frame)};
    return true;
}

// A control placed above a neighbour that it overlaps but must not hide gives up, through a
// window region, the part the neighbour covers: the option buttons of one array each paint
// their whole rectangle, yet every circle, at a button's left edge, stays visible; and a label
// lying just above the control it names leaves that control's border whole.
void Form::UncoverHiddenParts() {
    for (const ControlDesign& upper : design_.controls) {
        std::vector<HWND> uncovered;
        for (const ControlDesign& lower : design_.controls)
            if (MustStayVisible(lower, upper))
                uncovered.push_back(GetDlgItem(window_, lower.ControlId()));
        if (!uncovered.empty()) GiveWayTo(GetDlgItem(window_, upper.ControlId()), uncovered);
    }
}

void Form::GiveWayTo(HWND control, const std::vector<HWND>& neighbours) {
    RECT own{};
    GetWindowRect(control, &own);
    RegionOwner visible(
        Live().CreateRectRgn(0, 0, own.right - own.left, own.bottom - own.top));
    if (!visible) Raise(ErrorNumber::OutOfMemory, L"region");
    for (const HWND neighbour : neighbours) {
        RECT other{};
        GetWindowRect(neighbour, &other);
        OffsetRect(&other, -own.left, -own.top);
        const RegionOwner covered(Live().CreateRectRgnIndirect(&other));
        if (covered) CombineRgn(visible.get(), visible.get(), covered.get(), RGN_DIFF);
    }
    // Once set, the region belongs to the window.
    if (Live().SetWindowRgn(control, visible.get(), FALSE)) visible.release();
}

// Made without a place or a font: laying out gives it both.
void Form::CreateControl(const ControlDesign& control) {
    const ControlClass controlClass = ClassFor(control);
    const HWND handle = Live().CreateWindowExW(
        controlClass.exStyle, controlClass.name, control.caption,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | GroupStyle(control) | controlClass.style, 0, 0,
        0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.ControlId())),
        ProgramInstance(), nullptr);
    if (!handle) Raise(ErrorNumber::OutOfMemory, L"control");
    if (control.options & Selected) Live().SendMessageW(handle, BM_SETCHECK, BST_CHECKED, 0);
}

// The dialog manager moves the focus in z-order, so the controls that take the focus are stacked
// by tab index, each with the label that names it just above it. The other labels and images go
// beneath them, the lower on the window the higher in the stack: their text starts at their top
// edge, so an overlapping neighbour covers only the empty bottom of a label, never its text.
void Form::ArrangeZOrder() {
    std::vector<const ControlDesign*> focusable;
    std::vector<const ControlDesign*> beneath;
    for (const ControlDesign& control : design_.controls)
        (TakesFocus(control) ? focusable : beneath).push_back(&control);
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    std::stable_sort(beneath.begin(), beneath.end(),
                     [](const auto* a, const auto* b) { return a->rect.top > b->rect.top; });

    std::vector<const ControlDesign*> order;
    for (const ControlDesign* control : focusable) {
        for (const ControlDesign* label : beneath)
            if (label->names == control->ControlId()) order.push_back(label);
        order.push_back(control);
    }
    for (const ControlDesign* control : beneath)
        if (control->names == 0) order.push_back(control);

    HWND previous = HWND_TOP;
    for (const ControlDesign* control : order) {
        const HWND handle = GetDlgItem(window_, control->ControlId());
        SetWindowPos(handle, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = handle;
    }
}

void Form::FocusFirstControl() {
    if (const HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
}

HWND Form::Control(int id, int index) {
    Load();
    return GetDlgItem(window_, index == NoIndex ? id : id + index);
}

std::wstring Form::Text(int id) {
    const HWND control = Control(id);
    const Calls& calls = Live();
    std::wstring text(static_cast<std::size_t>(calls.GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        calls.GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Form::SetText(int id, const std::wstring& text) {
    Live().SetWindowTextW(Control(id), text.c_str());
}

bool Form::IsSelected(int id, int index) {
    return Live().SendMessageW(Control(id, index), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form::SetPicture(int id, int iconResource) {
    Load();
    auto picture = std::find_if(pictures_.begin(), pictures_.end(),
                                [id](const Picture& shown) { return shown.controlId == id; });
    if (picture == pictures_.end()) picture = pictures_.insert(pictures_.end(), {id, 0, {}});
    picture->iconResource = iconResource;
    ShowPicture(*picture);
}

// The icon is loaded at the control's size (32 pixels at 96 dpi), not stretched from another;
// the control shows the new one before the old one goes.
void Form::ShowPicture(Picture& picture) {
    const ControlDesign* control = FindControl(picture.controlId);
    if (!control) return;
    IconOwner icon(static_cast<HICON>(
        LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(picture.iconResource), IMAGE_ICON,
                   TwipsToPixels(control->rect.width, dpi_),
                   TwipsToPixels(control->rect.height, dpi_), 0)));
    Live().SendMessageW(GetDlgItem(window_, picture.controlId), STM_SETICON,
                        reinterpret_cast<WPARAM>(icon.get()), 0);
    picture.icon = std::move(icon);
}

const ControlDesign* Form::FindControl(int controlId) const {
    for (const ControlDesign& control : design_.controls)
        if (control.ControlId() == controlId) return &control;
    return nullptr;
}

HFONT Form::FontFor(const FontDesign& requested, int dpi) {
    const FontDesign& font = requested.name ? requested : design_.font;
    for (const CachedFont& cached : fonts_) {
        if (cached.dpi == dpi && std::wcscmp(cached.design.name, font.name) == 0 &&
            cached.design.hundredthsOfPoint == font.hundredthsOfPoint &&
            cached.design.weight == font.weight)
            return cached.font.get();
    }
    // In the system's own character set: the ANSI windows of a Cyrillic or Greek Windows 98
    // draw their code page's letters only in a font of its set. NT's windows draw Unicode.
    FontOwner created(Live().CreateFontW(
        -FontHeightPixels(font, dpi), 0, 0, 0, font.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
        font.name));
    if (!created) Raise(ErrorNumber::OutOfMemory, L"font");
    fonts_.push_back({font, dpi, std::move(created)});
    return fonts_.back().font.get();
}

HBRUSH Form::BrushFor(const Colour& colour) {
    if (colour.kind == Colour::Kind::System) return GetSysColorBrush(colour.systemIndex);
    for (const CachedBrush& cached : brushes_)
        if (cached.colour == colour.rgb) return cached.brush.get();
    BrushOwner created(Live().CreateSolidBrush(colour.rgb));
    if (!created) Raise(ErrorNumber::OutOfMemory, L"brush");
    brushes_.push_back({colour.rgb, std::move(created)});
    return brushes_.back().brush.get();
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Form* self = nullptr;
    if (message == WM_NCCREATE) {
        // An ANSI window's CREATESTRUCTA holds it at the same place.
        self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        ++loadedForms;
    } else {
        self = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self) return Live().DefDlgProcW(window, message, wParam, lParam);

    LRESULT result = 0;
    if (!RunHandler([&] { result = self->HandleMessage(message, wParam, lParam); }))
        result = Live().DefDlgProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->OnNcDestroy();
    }
    return result;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColour(message, reinterpret_cast<HDC>(wParam),
                               reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:  // in the class's background colour, not the dialog manager's
        return Live().DefWindowProcW(window_, message, wParam, lParam);
    case WM_SETFOCUS:
        // The focus a window gets as it opens goes to its first control, as it is: the dialog
        // manager would select a text box's whole text (and Wine scroll it to its end). The
        // control focused before a deactivation comes back with WM_ACTIVATE, as in a dialog.
        FocusFirstControl();
        return 0;
    case WM_CLOSE:
        Unload();
        return 0;
    case DpiChangedMessage:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case DpiScaledSizeMessage:
        return SizeAt(static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam));
    case WM_DESTROY:  // sent to the window before its controls
        OnUnload();
        break;
    }
    return Live().DefDlgProcW(window_, message, wParam, lParam);
}

// Buttons report clicks, and push buttons their focus, by control id. Enter and Esc away from a
// push button come from no control, as IDOK and IDCANCEL: Esc presses the cancel button, if any.
void Form::OnCommand(WPARAM wParam, LPARAM lParam) {
    const WORD code = HIWORD(wParam);
    // The focused push button, and it alone, is the one Enter presses: no window has a default.
    if (code == BN_SETFOCUS || code == BN_KILLFOCUS)
        Live().SendMessageW(reinterpret_cast<HWND>(lParam), BM_SETSTYLE,
                            code == BN_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    // A push button that reports its focus reports the second click of a quick pair as a double
    // click: it is a second press all the same.
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED) return;
    for (const ControlDesign& control : design_.controls) {
        const bool pressed = lParam ? control.ControlId() == LOWORD(wParam)
                                    : LOWORD(wParam) == IDCANCEL && (control.options & Cancel);
        if (!pressed) continue;
        if (control.kind == ControlKind::OptionButton) KeepTabStopOnSelectedOption(control);
        OnClick(control.id);
        return;
    }
}

void Form::KeepTabStopOnSelectedOption(const ControlDesign& option) {
    for (const ControlDesign& member : design_.controls) {
        if (member.id != option.id || member.kind != ControlKind::OptionButton) continue;
        const HWND handle = GetDlgItem(window_, member.ControlId());
        const LONG_PTR style = GetWindowLongPtrA(handle, GWL_STYLE);
        const bool selected = Live().SendMessageW(handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SetWindowLongPtrA(handle, GWL_STYLE, selected ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

LRESULT Form::OnControlColour(UINT message, HDC dc, HWND control) {
    LRESULT brush = Live().DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                                          reinterpret_cast<LPARAM>(control));
    const ControlDesign* design = FindControl(GetDlgCtrlID(control));
    if (!design) return brush;
    if (design->text.IsSet()) SetTextColor(dc, design->text.Drawn().Value());
    const Colour background = BackgroundOf(*design);
    if (background.IsSet()) {
        SetBkColor(dc, background.Value());
        brush = reinterpret_cast<LRESULT>(BrushFor(background));
    }
    return brush;
}

// A label or picture without a background of its own lies on its window's, whatever the scheme:
// the default, the button face, would show as a strip wherever the two colours differ.
Colour Form::BackgroundOf(const ControlDesign& control) const {
    if (control.background.IsSet()) return control.background.Drawn();
    if (control.kind == ControlKind::Label || control.kind == ControlKind::Image)
        return SystemColour(design_.backgroundSystemColour);
    return Unset;
}

void Form::OnNcDestroy() {
    window_ = nullptr;
    owner_ = nullptr;
    disabledOwner_ = nullptr;
    fonts_.clear();
    brushes_.clear();
    pictures_.clear();
    --loadedForms;
}

void RunMessageLoop() {
    MSG message;
    while (Form::LoadedCount() > 0 && Live().GetMessageW(&message, nullptr, 0, 0) > 0)
        Dispatch(message);
}

void PumpPendingMessages() {
    MSG message;
    while (Live().PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) Dispatch(message);
    }
}

}  // namespace toolkit
