#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "support/fake_platform.h"
#include "support/modal_driver.h"
#include "support/window_probe.h"
#include "toolkit/design.h"
#include "windows/help/help_window.h"
#include "windows/main/main_window.h"

// Both windows with the screen at 120, 144 or 192 dots per inch, as the run that sets it says in
// MORVANE_EXPECT_DPI: twips and points scale with the screen, and with the monitor a window is
// on, as Windows reports a window's own resolution and its changes (Wine never sends one).
namespace {

using toolkit::DefaultInstance;

int screenDpi = 96;

class HighDpiTest : public testing::Test {
protected:
    void SetUp() override {
        const char* expected = std::getenv("MORVANE_EXPECT_DPI");
        if (!expected) GTEST_SKIP() << "runs with the screen set to 120, 144 or 192 dpi";
        screenDpi = std::atoi(expected);
        ASSERT_EQ(toolkit::ScreenDpi(), screenDpi);
    }
};

void ExpectClientSize(HWND window, int widthTwips, int heightTwips, int dpi) {
    const SIZE client = probe::ClientSize(window);
    EXPECT_NEAR(client.cx, MulDiv(widthTwips, dpi, 1440), 1);
    EXPECT_NEAR(client.cy, MulDiv(heightTwips, dpi, 1440), 1);
}

LONG FontHeight(int hundredthsOfPoint, int dpi) { return -MulDiv(hundredthsOfPoint, dpi, 7200); }

// Each control's place and font height, as the screen has them.
std::vector<std::array<LONG, 5>> Layout(HWND window) {
    std::vector<std::array<LONG, 5>> layout;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT rect = probe::RectInParent(child);
        layout.push_back({rect.left, rect.top, rect.right, rect.bottom,
                          probe::Font(child).lfHeight});
    }
    return layout;
}

// As Windows moves a window to a monitor of another resolution: it asks the window's size there,
// suggests a rectangle of that size, and the window takes it. (Wine draws every frame at the
// screen's resolution, so a client area is the design's size only at the screen's.)
void MoveToMonitorAt(HWND window, int dpi) {
    RECT rect{};
    GetWindowRect(window, &rect);
    SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    SendMessageW(window, toolkit::DpiScaledSizeMessage, dpi, reinterpret_cast<LPARAM>(&size));
    const RECT suggested{rect.left + 5, rect.top + 7, rect.left + 5 + size.cx,
                         rect.top + 7 + size.cy};
    SendMessageW(window, toolkit::DpiChangedMessage, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(window, &rect);
    EXPECT_TRUE(EqualRect(&rect, &suggested));
}

UINT WINAPI MonitorAt96(HWND) { return 96; }

TEST_F(HighDpiTest, BothWindowsAndTheirFontsScaleWithTheScreen) {
    morvane& main = DefaultInstance<morvane>();
    HelpScreen& help = DefaultInstance<HelpScreen>();
    main.Show();
    ExpectClientSize(main.Window(), 5565, 2115, screenDpi);
    EXPECT_EQ(probe::Font(main.Control(morvane::ChangeButton)).lfHeight, FontHeight(825, screenDpi));

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

    ModalDriver driver;
    driver.Post([&] {
        ExpectClientSize(help.Window(), 5265, 3750, screenDpi);
        EXPECT_EQ(probe::Font(help.Control(HelpScreen::TitleLabel)).lfHeight,
                  FontHeight(1425, screenDpi));
        help.Unload();
    });
    SendMessageW(main.Control(morvane::HelpButton), BM_CLICK, 0, 0);
    EXPECT_EQ(driver.StepsRun(), 1);
    main.Unload();
    toolkit::PumpPendingMessages();
}

// The main window moved to a 96 dpi monitor and back, keeping what the user typed, selected and
// focused; the help window opened on a 96 dpi monitor, then moved to the screen's and back.
TEST_F(HighDpiTest, EachWindowIsLaidOutAgainAtItsMonitorsResolutionAndBackAsItWas) {
    morvane& main = DefaultInstance<morvane>();
    HelpScreen& help = DefaultInstance<HelpScreen>();
    main.Show();
    const HWND text = main.Control(morvane::EnterText);
    SetWindowTextW(text, L"Susan's World");
    SendMessageW(text, EM_SETSEL, 2, 5);
    SetFocus(text);
    const auto atStart = Layout(main.Window());

    MoveToMonitorAt(main.Window(), 96);
    probe::ExpectPlaced(main.Control(morvane::ChangeButton),
                        {L"Button", {64, 112, 225, 137}, -11, FW_BOLD});
    MoveToMonitorAt(main.Window(), screenDpi);
    EXPECT_EQ(Layout(main.Window()), atStart);
    DWORD start = 0, end = 0;
    SendMessageW(text, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(probe::Text(text) + L"|" + std::to_wstring(start) + L"-" + std::to_wstring(end),
              L"Susan's World|2-5");
    EXPECT_EQ(GetFocus(), text);

    FakePlatform fake;
    toolkit::Live().GetDpiForWindow = &MonitorAt96;
    ModalDriver driver;
    driver.Post([&] {
        const HWND icon = help.Control(HelpScreen::MainIcon);
        EXPECT_EQ(probe::Font(help.Control(HelpScreen::TitleLabel)).lfHeight, -19);
        EXPECT_EQ(probe::PictureSize(icon).cx, 32);
        const auto opened = Layout(help.Window());
        MoveToMonitorAt(help.Window(), screenDpi);
        ExpectClientSize(help.Window(), 5265, 3750, screenDpi);
        EXPECT_EQ(probe::Font(help.Control(HelpScreen::TitleLabel)).lfHeight,
                  FontHeight(1425, screenDpi));
        EXPECT_EQ(probe::PictureSize(icon).cx, MulDiv(480, screenDpi, 1440));
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
