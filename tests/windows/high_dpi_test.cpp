#include <gtest/gtest.h>

#include <cstdlib>

#include "support/fake_platform.h"
#include "support/modal_driver.h"
#include "support/window_probe.h"
#include "toolkit/design.h"
#include "windows/help/help_window.h"
#include "windows/main/main_window.h"

// Both windows at 120, 144 or 192 dots per inch, as the run that sets the screen says in
// MORVANE_EXPECT_DPI: twips and points scale with the screen, and with a window's own monitor.
namespace {

using toolkit::DefaultInstance;

int dpi = 96;

// Each control's place and font height, as the screen has them.
std::vector<std::vector<LONG>> Layout(HWND window) {
    std::vector<std::vector<LONG>> layout;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT r = probe::RectInParent(child);
        layout.push_back({r.left, r.top, r.right, r.bottom, probe::Font(child).lfHeight});
    }
    return layout;
}

// As Windows moves a window to a monitor of another resolution (Wine never does): it asks the
// window's size there and suggests a rectangle of that size, which the window takes.
void MoveToMonitorAt(HWND window, WORD at) {
    RECT rect{};
    GetWindowRect(window, &rect);
    SIZE size{};
    SendMessageW(window, toolkit::DpiScaledSizeMessage, at, reinterpret_cast<LPARAM>(&size));
    const RECT suggested{rect.left + 5, rect.top, rect.left + 5 + size.cx, rect.top + size.cy};
    SendMessageW(window, toolkit::DpiChangedMessage, MAKEWPARAM(at, at),
                 reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(window, &rect);
    EXPECT_TRUE(EqualRect(&rect, &suggested));
}

UINT WINAPI MonitorAt96(HWND) { return 96; }

class HighDpiTest : public testing::Test {
protected:
    void SetUp() override {
        const char* expected = std::getenv("MORVANE_EXPECT_DPI");
        if (!expected) GTEST_SKIP() << "runs with the screen set to 120, 144 or 192 dpi";
        ASSERT_EQ(toolkit::ScreenDpi(), dpi = std::atoi(expected));
    }
};

TEST_F(HighDpiTest, BothWindowsAndTheirFontsScaleWithTheScreen) {
    morvane& main = DefaultInstance<morvane>();
    HelpScreen& help = DefaultInstance<HelpScreen>();
    main.Show();
    const SIZE mainClient = probe::ClientSize(main.Window());
    EXPECT_NEAR(mainClient.cx, MulDiv(5565, dpi, 1440), 1);
    EXPECT_NEAR(mainClient.cy, MulDiv(2115, dpi, 1440), 1);
    EXPECT_EQ(probe::Font(main.Control(morvane::ChangeButton)).lfHeight, -MulDiv(825, dpi, 7200));

    // Moved to a 96 dpi monitor and back, it keeps what was typed, selected and focused.
    const HWND text = main.Control(morvane::EnterText);
    SetWindowTextW(text, L"Susan's World");
    SendMessageW(text, EM_SETSEL, 2, 5);
    const auto atStart = Layout(main.Window());
    MoveToMonitorAt(main.Window(), 96);
    probe::ExpectPlaced(main.Control(morvane::ChangeButton),
                        {L"Button", {64, 112, 225, 137}, -11, FW_BOLD});
    MoveToMonitorAt(main.Window(), dpi);
    EXPECT_EQ(Layout(main.Window()), atStart);
    EXPECT_TRUE(probe::Text(text) == L"Susan's World" && GetFocus() == text &&
                SendMessageW(text, EM_GETSEL, 0, 0) == MAKELRESULT(2, 5));

    // The confirmation's longest lines still fit: the machine's title, then the views' differing.
    FakePlatform fake;
    const std::string main32 = "Software\\Wow6432Node\\Microsoft\\Internet Explorer\\Main";
    fake.FakeRegistry().values[{HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer\\Main",
                                "Window Title"}] = {REG_SZ, L"Shared"};
    for (const wchar_t* other : {L"Shared", L"Other"}) {
        fake.values[{HKEY_LOCAL_MACHINE, main32, "Window Title"}] = {REG_SZ, other};
        SendMessageW(main.Control(morvane::DefaultButton), BM_CLICK, 0, 0);
        EXPECT_EQ(probe::LinesShown(main.Control(morvane::CompletedMessage)), 2);
    }

    // Opened on a 96 dpi monitor, then moved to the screen's (whose frames Wine draws) and back.
    toolkit::Live().GetDpiForWindow = &MonitorAt96;
    ModalDriver driver;
    driver.Post([&] {
        const HWND title = help.Control(HelpScreen::TitleLabel);
        EXPECT_EQ(probe::Font(title).lfHeight, -19);  // 14.25 pt at 96 dpi
        const auto opened = Layout(help.Window());
        MoveToMonitorAt(help.Window(), dpi);
        const SIZE helpClient = probe::ClientSize(help.Window());
        EXPECT_NEAR(helpClient.cx, MulDiv(5265, dpi, 1440), 1);
        EXPECT_NEAR(helpClient.cy, MulDiv(3750, dpi, 1440), 1);
        EXPECT_EQ(probe::Font(title).lfHeight, -MulDiv(1425, dpi, 7200));
        const HWND picture = help.Control(HelpScreen::MainIcon);
        ICONINFO icon{};  // an icon's hot spot is its centre
        GetIconInfo(reinterpret_cast<HICON>(SendMessageW(picture, STM_GETICON, 0, 0)), &icon);
        EXPECT_EQ(icon.xHotspot, static_cast<DWORD>(MulDiv(240, dpi, 1440)));
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
        MoveToMonitorAt(help.Window(), 96);
        EXPECT_EQ(Layout(help.Window()), opened);
        help.Unload();
    });
    SendMessageW(main.Control(morvane::HelpButton), BM_CLICK, 0, 0);
    EXPECT_EQ(driver.StepsRun(), 1);
    main.Unload();
    toolkit::PumpPendingMessages();
}

}  // namespace
