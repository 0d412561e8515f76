#include <gtest/gtest.h>

#include <cstdlib>

#include "support/fake_platform.h"
#include "support/modal_driver.h"
#include "support/window_probe.h"
#include "toolkit/design.h"
#include "windows/help/help_window.h"
#include "windows/main/main_window.h"

// Both windows at 150 % (144 dots per inch), where twips and points must scale with the screen.
// The run that sets the screen to 144 dpi says so in MORVANE_EXPECT_DPI.
namespace {

using toolkit::DefaultInstance;

class HighDpiTest : public testing::Test {
protected:
    void SetUp() override {
        const char* expected = std::getenv("MORVANE_EXPECT_DPI");
        if (!expected) GTEST_SKIP() << "runs with the screen set to 144 dpi";
        ASSERT_EQ(toolkit::ScreenDpi(), std::atoi(expected));
    }
};

TEST_F(HighDpiTest, BothWindowsAndTheirFontsScaleWithTheScreen) {
    morvane& main = DefaultInstance<morvane>();
    HelpScreen& help = DefaultInstance<HelpScreen>();
    main.Show();
    const SIZE mainClient = probe::ClientSize(main.Window());
    EXPECT_GE(mainClient.cx, 556);
    EXPECT_LE(mainClient.cx, 557);
    EXPECT_GE(mainClient.cy, 211);
    EXPECT_LE(mainClient.cy, 212);
    EXPECT_EQ(probe::Font(main.Control(morvane::ChangeButton)).lfHeight, -17);

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
        const SIZE helpClient = probe::ClientSize(help.Window());
        EXPECT_GE(helpClient.cx, 526);
        EXPECT_LE(helpClient.cx, 527);
        EXPECT_EQ(helpClient.cy, 375);
        EXPECT_EQ(probe::Font(help.Control(HelpScreen::TitleLabel)).lfHeight, -29);  // 14.25 pt
        help.Unload();
    });
    SendMessageW(main.Control(morvane::HelpButton), BM_CLICK, 0, 0);
    EXPECT_EQ(driver.StepsRun(), 1);
    main.Unload();
    toolkit::PumpPendingMessages();
}

}  // namespace
