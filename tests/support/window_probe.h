#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "toolkit/form.h"

// Reads back what a real window shows, for tests.
namespace probe {

// A control's rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline SIZE ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right, rect.bottom};
}

inline std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

inline std::wstring Text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(),
                                                        static_cast<int>(text.size()))));
    return text;
}

inline LOGFONTW Font(HWND control) {
    LOGFONTW font{};
    const HFONT handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof(font), &font);
    return font;
}

// Presses and releases a key, with another (VK_SHIFT, VK_CONTROL) held when given, through the
// system's input queue, and lets the program's message loop handle it.
inline void PressKey(WORD key, WORD held = 0) {
    std::vector<INPUT> inputs;
    const auto add = [&](WORD virtualKey, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (held) add(held, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (held) add(held, KEYEVENTF_KEYUP);
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
              inputs.size());
    toolkit::PumpPendingMessages();
}

// Where Tab (or Shift+Tab) takes the focus, press by press, from the given control.
inline std::vector<HWND> TabOrder(HWND from, int presses, bool backwards = false) {
    SetFocus(from);
    std::vector<HWND> order;
    while (presses-- > 0) {
        PressKey(VK_TAB, backwards ? VK_SHIFT : 0);
        order.push_back(GetFocus());
    }
    return order;
}

// How many lines a label's text takes as the label draws it: wrapped to its width, in its font.
inline int LinesShown(HWND label) {
    const HDC dc = GetDC(label);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT rect{};
    GetClientRect(label, &rect);
    const std::wstring text = Text(label);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    return rect.bottom / metrics.tmHeight;
}

inline LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

struct Colours {
    COLORREF text;
    COLORREF background;
    COLORREF brush;
};

// Asks the parent, as the control does when it paints, which colours to draw it in.
inline Colours ControlColours(HWND control, UINT message = WM_CTLCOLORSTATIC) {
    const HDC dc = GetDC(control);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    const HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(
        GetParent(control), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    LOGBRUSH logBrush{};
    GetObjectW(brush, sizeof(logBrush), &logBrush);
    const Colours colours{GetTextColor(dc), GetBkColor(dc), logBrush.lbColor};
    ReleaseDC(control, dc);
    return colours;
}

// A window with this caption and client size that can be neither resized, maximised nor
// minimised, on the menu-bar colour, with a system menu and its close box.
inline void ExpectFixedWindow(HWND window, const wchar_t* caption, LONG width, LONG height) {
    EXPECT_EQ(Text(window), caption);
    const SIZE client = ClientSize(window);
    EXPECT_EQ(client.cx, width);
    EXPECT_EQ(client.cy, height);
    const LONG_PTR style = Style(window);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(GetClassLongPtrW(window, GCLP_HBRBACKGROUND), COLOR_MENU + 1);
}

// A control of this class at this place (left, top, right, bottom in pixels of its parent's
// client area), in Arial of this height and weight.
struct Placed {
    const wchar_t* className;
    RECT pixels;
    LONG fontHeight;
    LONG fontWeight;
};

inline void ExpectPlaced(HWND control, const Placed& expected) {
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(ClassName(control), expected.className);
    const RECT rect = RectInParent(control);
    EXPECT_EQ(rect.left, expected.pixels.left);
    EXPECT_EQ(rect.top, expected.pixels.top);
    EXPECT_EQ(rect.right, expected.pixels.right);
    EXPECT_EQ(rect.bottom, expected.pixels.bottom);
    const LOGFONTW font = Font(control);
    EXPECT_STREQ(font.lfFaceName, L"Arial");
    EXPECT_EQ(font.lfHeight, expected.fontHeight);
    EXPECT_EQ(font.lfWeight, expected.fontWeight);
}

}  // namespace probe
