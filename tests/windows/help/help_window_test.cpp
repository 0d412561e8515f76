#include <gtest/gtest.h>

#include "platform/system_error.h"
#include "support/fake_platform.h"
#include "support/main_and_help.h"
#include "support/window_probe.h"

namespace {

class HelpWindowTest : public MainAndHelpTest {
protected:
    HWND Control(int id) { return HelpControl(id); }

    void CloseWith(std::function<void()> close) {
        const int stepsBefore = driver.StepsRun();
        driver.Post([this, close] {
            ASSERT_TRUE(help.IsLoaded());
            EXPECT_FALSE(IsWindowEnabled(main.Window()));  // the main window takes no input
            close();
        });
        PressHelp();
        EXPECT_EQ(driver.StepsRun(), stepsBefore + 1);
        EXPECT_FALSE(help.IsLoaded());
        EXPECT_TRUE(IsWindowEnabled(main.Window()));
    }
};

TEST_F(HelpWindowTest, TheWindowIsLaidOutAsDesigned) {
    driver.Post([this] {
        probe::ExpectFixedWindow(help.Window(), L"Morvane Help", 351, 250);
        EXPECT_TRUE(IsWindowUnicode(help.Window()));
        EXPECT_EQ(GetWindow(help.Window(), GW_OWNER), main.Window());  // no task-bar button

        const std::pair<int, probe::Placed> controls[] = {
            {HelpScreen::UnloadButton, {L"Button", {272, 192, 345, 241}, -11, FW_BOLD}},
            {HelpScreen::InstructionsText, {L"Edit", {8, 56, 345, 157}, -11, FW_NORMAL}},
            {HelpScreen::ConnectTo3, {L"Button", {200, 224, 265, 241}, -11, FW_BOLD}},
            {HelpScreen::ConnectTo2, {L"Button", {200, 208, 265, 225}, -11, FW_BOLD}},
            {HelpScreen::ConnectTo1, {L"Button", {200, 192, 265, 209}, -11, FW_BOLD}},
            {HelpScreen::Connect3Label, {L"Static", {8, 224, 193, 241}, -11, FW_BOLD}},
            {HelpScreen::Connect2Label, {L"Static", {8, 208, 193, 225}, -11, FW_BOLD}},
            {HelpScreen::Connect1Label, {L"Static", {8, 192, 193, 209}, -11, FW_BOLD}},
            {HelpScreen::VisitLabel, {L"Static", {24, 160, 313, 193}, -11, FW_BOLD}},
            {HelpScreen::CopyrightLabel, {L"Static", {16, 40, 225, 65}, -11, FW_BOLD}},
            {HelpScreen::TitleLabel, {L"Static", {16, 8, 209, 41}, -19, FW_BOLD}},
            {HelpScreen::VersionLabel, {L"Static", {16, 28, 209, 45}, -11, FW_BOLD}},
        };
        for (const auto& [id, placed] : controls) {
            SCOPED_TRACE(id);
            probe::ExpectPlaced(Control(id), placed);
        }
        const RECT icon = probe::RectInParent(Control(HelpScreen::MainIcon));
        EXPECT_EQ(icon.left, 304);
        EXPECT_EQ(icon.top, 8);
        EXPECT_EQ(icon.right - icon.left, 32);
        EXPECT_EQ(icon.bottom - icon.top, 32);
        help.Unload();
    });
    PressHelp();
    EXPECT_EQ(driver.StepsRun(), 1);
}

TEST_F(HelpWindowTest, ControlsHaveTheirCaptionsStylesAndColours) {
    driver.Post([this] {
        EXPECT_EQ(probe::Text(Control(HelpScreen::UnloadButton)), L"&Close");
        for (const int id : {HelpScreen::ConnectTo1, HelpScreen::ConnectTo2, HelpScreen::ConnectTo3})
            EXPECT_EQ(probe::Text(Control(id)), L"Connect");
        EXPECT_EQ(probe::Text(Control(HelpScreen::Connect1Label)), L"http://selbrook.example.com");
        EXPECT_EQ(probe::Text(Control(HelpScreen::Connect2Label)), L"http://selbrook.example.net");
        EXPECT_EQ(probe::Text(Control(HelpScreen::Connect3Label)), L"http://selbrook.example.org");
        EXPECT_EQ(probe::Text(Control(HelpScreen::VisitLabel)),
                  L"Please visit these mirror sites to evaluate other Selbrook Software.");

        const LONG_PTR instructions = probe::Style(Control(HelpScreen::InstructionsText));
        EXPECT_TRUE(instructions & ES_MULTILINE);
        EXPECT_TRUE(instructions & ES_READONLY);
        EXPECT_TRUE(instructions & WS_VSCROLL);
        EXPECT_EQ(probe::Style(Control(HelpScreen::Connect1Label)) & SS_TYPEMASK, SS_RIGHT);
        EXPECT_EQ(probe::Style(Control(HelpScreen::VisitLabel)) & SS_TYPEMASK, SS_CENTER);
        EXPECT_EQ(probe::Style(Control(HelpScreen::TitleLabel)) & SS_TYPEMASK, SS_LEFT);

        for (const int id : {HelpScreen::TitleLabel, HelpScreen::VersionLabel,
                             HelpScreen::CopyrightLabel, HelpScreen::VisitLabel}) {
            const probe::Colours colours = probe::ControlColours(Control(id));
            EXPECT_EQ(colours.background, RGB(192, 192, 192));
            EXPECT_EQ(colours.brush, RGB(192, 192, 192));
            EXPECT_EQ(colours.text, GetSysColor(COLOR_MENUTEXT));
        }
        EXPECT_EQ(probe::ControlColours(Control(HelpScreen::Connect2Label)).text,
                  GetSysColor(COLOR_MENUTEXT));
        // The addresses and the icon have no background of their own: they lie on the window's.
        for (const int id : {HelpScreen::Connect2Label, HelpScreen::MainIcon}) {
            const probe::Colours colours = probe::ControlColours(Control(id));
            EXPECT_EQ(colours.background, GetSysColor(COLOR_MENU));
            EXPECT_EQ(colours.brush, GetSysColor(COLOR_MENU));
        }
        EXPECT_EQ(probe::ControlColours(Control(HelpScreen::ConnectTo2), WM_CTLCOLORBTN).brush,
                  RGB(224, 224, 224));
        help.Unload();
    });
    PressHelp();
}

TEST_F(HelpWindowTest, LoadingComposesTitleVersionCopyrightAndIconEachTime) {
    std::vector<std::wstring> seen;
    const auto look = [&] {
        seen.push_back(probe::Text(Control(HelpScreen::TitleLabel)) + L"|" +
                       probe::Text(Control(HelpScreen::VersionLabel)) + L"|" +
                       probe::Text(Control(HelpScreen::CopyrightLabel)));
        const HICON icon = reinterpret_cast<HICON>(
            SendMessageW(Control(HelpScreen::MainIcon), STM_GETICON, 0, 0));
        EXPECT_NE(icon, nullptr);
        SetWindowTextW(Control(HelpScreen::TitleLabel), L"changed while open");
        help.Unload();
    };
    driver.Post(look);
    PressHelp();
    driver.Post(look);
    PressHelp();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], L"Morvane|Version 1.0.0|Copyright \u00a9 2026 Selbrook Software");
    EXPECT_EQ(seen[1], seen[0]);
}

TEST(VersionCaptionTest, NumbersArePlainDecimalDigits) {
    EXPECT_EQ(VersionCaption({1, 0, 0}), L"Version 1.0.0");
    EXPECT_EQ(VersionCaption({1, 10, 5}), L"Version 1.10.5");
    EXPECT_EQ(VersionCaption({65535, 0, 7}), L"Version 65535.0.7");
}

TEST(InstructionsTest, FiveParagraphsNamingTheMirrorSitesEndingInALineBreak) {
    const std::wstring& text = Instructions();
    std::vector<std::wstring> paragraphs;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find(L"\r\n\r\n", start);
        paragraphs.push_back(text.substr(start, end == std::wstring::npos ? end : end - start));
        start = end == std::wstring::npos ? text.size() : end + 4;
    }
    ASSERT_EQ(paragraphs.size(), 5u);
    EXPECT_EQ(paragraphs[2],
              L"NOTE: Some Windows operating systems are a combination of different versions. "
              L"You may need to select a different version than you suspect for your title to "
              L"appear. Selecting the wrong one will do no harm.");
    EXPECT_EQ(paragraphs[3],
              L"Please visit one of my mirror sites at http://selbrook.example.com, "
              L"http://selbrook.example.net or http://selbrook.example.org to evaluate other "
              L"Selbrook Software.");
    EXPECT_EQ(paragraphs[4],
              L"If you have any questions or comments, positive or negative, please e-mail me at "
              L"selbrook@example.com.\r\n");
    EXPECT_EQ(text.find(L"\r\n\r\n\r\n"), std::wstring::npos);
}

TEST_F(HelpWindowTest, TheInstructionsHaveTheFocusAndTabRunsCloseThenConnect321) {
    driver.Post([this] {
        const HWND instructions = Control(HelpScreen::InstructionsText);
        EXPECT_EQ(GetFocus(), instructions);
        EXPECT_EQ(SendMessageW(instructions, EM_GETSEL, 0, 0), 0);  // at its start, nothing selected
        // The instructions box is a multi-line text box: it hands Tab on to the window.
        const std::vector<HWND> forwards{
            Control(HelpScreen::UnloadButton), Control(HelpScreen::ConnectTo3),
            Control(HelpScreen::ConnectTo2), Control(HelpScreen::ConnectTo1), instructions};
        EXPECT_EQ(probe::TabOrder(instructions, 5), forwards);
        const std::vector<HWND> backwards(forwards.rbegin() + 1, forwards.rend());
        EXPECT_EQ(probe::TabOrder(instructions, 4, true), backwards);
        help.Unload();
    });
    PressHelp();
}

TEST_F(HelpWindowTest, EveryWayOfClosingUnloadsItAndGivesTheMainWindowBack) {
    CloseWith([this] { SendMessageW(Control(HelpScreen::UnloadButton), BM_CLICK, 0, 0); });
    CloseWith([this] { PostMessageW(help.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); });
    // Alt+C and Alt+F4 as the keyboard delivers them to the focused control.
    CloseWith([] { PostMessageW(GetFocus(), WM_SYSCHAR, 'c', 1 << 29); });
    CloseWith([] { PostMessageW(GetFocus(), WM_SYSKEYDOWN, VK_F4, 1 << 29); });
    // Esc from any control, as Close.
    for (const int id : {HelpScreen::InstructionsText, HelpScreen::ConnectTo2})
        CloseWith([this, id] {
            SetFocus(Control(id));
            probe::PressKey(VK_ESCAPE);
        });
    // The main window still works afterwards.
    EXPECT_TRUE(main.IsLoaded());
    EXPECT_EQ(help.Window(), nullptr);
}

TEST_F(HelpWindowTest, OpenedOverAMainWindowAtTheTopEdgeItStaysWithinTheWorkArea) {
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    SetWindowPos(main.Window(), nullptr, work.left, work.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    LONG top = 0;
    const auto placed = [&] {
        RECT rect{};
        GetWindowRect(help.Window(), &rect);
        top = rect.top;
        help.Unload();
    };
    driver.Post(placed);
    PressHelp();
    EXPECT_EQ(top, work.top);
    // Windows 95 has no monitor functions: there it is centred over the main window all the same.
    FakePlatform fake;
    toolkit::Live().MonitorFromRect = nullptr;
    driver.Post(placed);
    PressHelp();
    EXPECT_LT(top, work.top);
    EXPECT_EQ(driver.StepsRun(), 2);
}

// Both windows bound as on Windows 95, 98 and ME, where the wide functions are stubs that fail:
// the windows are ANSI ones, and no wide function is ever called.
class AnsiFamilyTest : public MainAndHelpTest {
protected:
    FakePlatform fake;

    void SetUp() override {
        // The window classes are registered afresh, as ANSI ones, and again after the test.
        UnregisterClasses();
        fake.FailWideFormsAs9x();
        toolkit::UseAnsiForms(toolkit::Live());
        platform::UseAnsiForms(platform::Live());
        fake.FakeRegistry();  // in place of the ANSI forms' registry
        MainAndHelpTest::SetUp();
    }
    void TearDown() override {
        MainAndHelpTest::TearDown();
        UnregisterClasses();
    }
    static void UnregisterClasses() {
        for (const wchar_t* name : {L"morvane", L"HelpScreen"})
            UnregisterClassW(name, GetModuleHandleW(nullptr));
    }
};

TEST_F(AnsiFamilyTest, BothWindowsLoadChangeTheTitleAndOpenHelpWithoutAWideFunction) {
    if (GetACP() != 1252) GTEST_SKIP() << "written for the Western code page";
    EXPECT_FALSE(IsWindowUnicode(main.Window()));
    main.SetText(morvane::EnterText, L"Caf\u00e9");
    SendMessageW(main.Control(morvane::ChangeButton), BM_CLICK, 0, 0);
    ASSERT_EQ(fake.sets.size(), 1u);
    EXPECT_EQ(fake.sets[0].data, std::string("Caf\xe9\0", 5));
    EXPECT_EQ(main.Text(morvane::CompletedMessage),
              L"Your Internet Explorer will now read: \r\n\" - Caf\u00e9\"");
    // The system's own description of a failure, from the ANSI call.
    EXPECT_NE(platform::SystemErrorText(ERROR_OUTOFMEMORY).find(L"memory"), std::wstring::npos);

    driver.Post([this] {
        EXPECT_FALSE(IsWindowUnicode(help.Window()));
        EXPECT_EQ(help.Text(HelpScreen::CopyrightLabel),
                  L"Copyright \u00a9 2026 Selbrook Software");
        help.Unload();
    });
    PressHelp();
    EXPECT_EQ(driver.StepsRun(), 1);
    EXPECT_EQ(fake.wideCalls, std::vector<std::string>());
}

}  // namespace
