#include <algorithm>

#include <gtest/gtest.h>
#include <oleacc.h>

#include "platform/accessibility.h"
#include "platform/dialing.h"
#include "platform/library_search.h"
#include "support/fake_platform.h"
#include "support/main_and_help.h"

namespace {

std::wstring SystemFile(const wchar_t* name) {
    wchar_t directory[MAX_PATH] = {};
    GetSystemDirectoryW(directory, MAX_PATH);
    return std::wstring(directory) + L"\\" + name;
}

// Presses Connect buttons in the help window, opened from the main window as a user opens it,
// with the dial-up and shell services standing in.
class ConnectionTest : public MainAndHelpTest {
protected:
    FakePlatform fake;
    bool helpOpenAfterPresses = false;

    void SetUp() override {
        fake.FakeLibraries().FakeMessageBox();
        Unbind();
        MainAndHelpTest::SetUp();
    }
    void TearDown() override {
        MainAndHelpTest::TearDown();
        Unbind();
    }
    // The service first: it is released before COM is left.
    static void Unbind() {
        platform::Accessibility::Unbind();
        DialingModule::Unbind();
    }

    // Opens help, presses the buttons in turn, then closes help if it is still open.
    void Press(std::vector<int> buttons) {
        driver.Post([this, buttons] {
            for (const int button : buttons)
                if (help.IsLoaded())
                    SendMessageW(HelpControl(button), BM_CLICK, 0, 0);
            helpOpenAfterPresses = help.IsLoaded();
            help.Unload();
        });
        PressHelp();
        ASSERT_FALSE(help.IsLoaded());
    }
};

TEST_F(ConnectionTest, EachButtonDialsThenOpensItsOwnSiteWithExactlyTheseArguments) {
    const struct {
        int button;
        const char* site;
    } buttons[] = {{HelpScreen::ConnectTo2, "http://selbrook.example.net/"},
                   {HelpScreen::ConnectTo3, "http://selbrook.example.org/"},
                   {HelpScreen::ConnectTo1, "http://selbrook.example.com/"}};
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.site);
        fake.dials.clear();
        fake.shellOpens.clear();
        fake.order.clear();
        Press({button.button});
        EXPECT_EQ(fake.order.back(), "shell");
        ASSERT_EQ(fake.dials.size(), 1u);
        const FakePlatform::Dial& dial = fake.dials[0];
        EXPECT_EQ(dial.parent, nullptr);
        EXPECT_EQ(dial.connection, "1");
        EXPECT_EQ(dial.flags, 0x2000u);
        EXPECT_EQ(dial.connectionNumber, std::optional<DWORD_PTR>(1));
        EXPECT_EQ(dial.reserved, 0u);

        ASSERT_EQ(fake.shellOpens.size(), 1u);
        const FakePlatform::ShellOpen& open = fake.shellOpens[0];
        EXPECT_EQ(open.owner, nullptr);
        EXPECT_EQ(open.operation, std::nullopt);
        EXPECT_EQ(open.file, std::optional<std::string>(button.site));
        EXPECT_EQ(open.parameters, std::nullopt);
        EXPECT_EQ(open.directory, std::nullopt);
        EXPECT_EQ(open.showCommand, SW_SHOWNORMAL);
        EXPECT_TRUE(helpOpenAfterPresses);  // success shows nothing and leaves help open
    }
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(ConnectionTest, LibrariesLoadFromTheSystemDirectoryOnceAndComIsEnteredOnceBeforeTheShell) {
    Press({HelpScreen::ConnectTo1, HelpScreen::ConnectTo1});
    Press({HelpScreen::ConnectTo2});
    EXPECT_EQ(fake.dials.size(), 3u);
    EXPECT_EQ(fake.shellOpens.size(), 3u);
    // The accessibility service's first, as the help window opens; the others' on the first press.
    ASSERT_EQ(fake.loads.size(), 4u);
    EXPECT_EQ(fake.loads[0].path, SystemFile(L"oleacc.dll"));
    EXPECT_EQ(fake.loads[1].path, SystemFile(L"ole32.dll"));
    EXPECT_EQ(fake.loads[2].path, SystemFile(L"wininet.dll"));
    EXPECT_EQ(fake.loads[3].path, SystemFile(L"shell32.dll"));
    for (const auto& load : fake.loads)
        EXPECT_EQ(load.flags, static_cast<DWORD>(LOAD_WITH_ALTERED_SEARCH_PATH));
    EXPECT_EQ(fake.lookups, (std::vector<std::string>{"CoUninitialize", "CoInitializeEx",
                                                      "CoCreateInstance", "InternetDial",
                                                      "ShellExecuteA"}));

    EXPECT_EQ(fake.comInits, std::vector<DWORD>{0x6});  // apartment-threaded (2), no OLE1 DDE (4)
    const auto first = [this](const char* call) {
        return std::find(fake.order.begin(), fake.order.end(), call) - fake.order.begin();
    };
    EXPECT_LT(first("com"), first("service"));
    EXPECT_LT(first("com"), first("shell"));
    EXPECT_EQ(fake.comUninits, 0);
    DialingModule::Unbind();
    EXPECT_EQ(fake.comUninits, 1);
}

TEST_F(ConnectionTest, ACancelledDialOrARefusingComStillOpensTheSite) {
    fake.dialResult = ERROR_CANCELLED;
    fake.comResult = RPC_E_CHANGED_MODE;
    Press({HelpScreen::ConnectTo3, HelpScreen::ConnectTo3});
    ASSERT_EQ(fake.shellOpens.size(), 2u);
    EXPECT_EQ(fake.shellOpens[0].file, std::optional<std::string>("http://selbrook.example.org/"));
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_TRUE(helpOpenAfterPresses);
    EXPECT_EQ(fake.comInits.size(), 1u);  // not asked again, and never left
    DialingModule::Unbind();
    EXPECT_EQ(fake.comUninits, 0);
}

TEST_F(ConnectionTest, WithoutCoInitializeExAsOnWindows95CoInitializeEntersTheApartment) {
    fake.missingEntryPoints.insert("CoInitializeEx");
    Press({HelpScreen::ConnectTo1});
    EXPECT_EQ(fake.comInits, std::vector<DWORD>{0x2});
    EXPECT_EQ(fake.shellOpens.size(), 1u);
    DialingModule::Unbind();
    EXPECT_EQ(fake.comUninits, 1);
}

TEST_F(ConnectionTest, AMissingLibraryIsReportedOnceAndClosesTheHelpWindow) {
    fake.missingLibrary = L"wininet.dll";
    Press({HelpScreen::ConnectTo1, HelpScreen::ConnectTo2});
    EXPECT_TRUE(fake.dials.empty());
    EXPECT_TRUE(fake.shellOpens.empty());  // no browser opens
    ASSERT_EQ(fake.boxes.size(), 1u);      // the help window closed after the first press
    EXPECT_EQ(fake.boxes[0].text, L" 53 : File not found: " + SystemFile(L"wininet.dll"));
    EXPECT_EQ(fake.boxes[0].caption, L"Error");
    EXPECT_EQ(fake.boxes[0].style, 16u);
    EXPECT_FALSE(helpOpenAfterPresses);
    EXPECT_TRUE(IsWindowEnabled(main.Window()));
    EXPECT_TRUE(main.IsLoaded());

    // The next press, in a help window opened anew, tries again and reports again.
    Press({HelpScreen::ConnectTo2});
    EXPECT_EQ(fake.boxes.size(), 2u);
}

TEST_F(ConnectionTest, AMissingEntryPointOrShellLibraryIsReportedTheSameWay) {
    fake.missingEntryPoints = {"InternetDial"};
    Press({HelpScreen::ConnectTo1});
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, L" 453 : Can't find DLL entry point: InternetDial in wininet.dll");
    EXPECT_FALSE(helpOpenAfterPresses);

    fake.missingEntryPoints.clear();
    fake.missingLibrary = L"shell32.dll";
    Press({HelpScreen::ConnectTo1});
    EXPECT_EQ(fake.dials.size(), 1u);  // the prompt came up before the shell failed
    ASSERT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(fake.boxes[1].text, L" 53 : File not found: " + SystemFile(L"shell32.dll"));
}

TEST_F(ConnectionTest, EachConnectButtonIsNamedForScreenReadersByTheSiteItOpensTillItGoes) {
    std::vector<HWND> buttons;
    driver.Post([&] {
        for (const int id : {HelpScreen::ConnectTo1, HelpScreen::ConnectTo2,
                             HelpScreen::ConnectTo3})
            buttons.push_back(HelpControl(id));
        help.Unload();
    });
    PressHelp();
    ASSERT_EQ(fake.annotations.size(), 3u);
    const wchar_t* const names[] = {L"Connect to http://selbrook.example.com",
                                    L"Connect to http://selbrook.example.net",
                                    L"Connect to http://selbrook.example.org"};
    for (std::size_t site = 0; site < 3; ++site) {
        const FakePlatform::Annotation& annotation = fake.annotations[site];
        EXPECT_EQ(annotation.window, buttons[site]);
        EXPECT_EQ(annotation.object, static_cast<DWORD>(OBJID_CLIENT));
        EXPECT_EQ(annotation.child, static_cast<DWORD>(CHILDID_SELF));
        EXPECT_TRUE(IsEqualGUID(annotation.property, PROPID_ACC_NAME));
        EXPECT_EQ(annotation.text, names[site]);
        EXPECT_TRUE(annotation.cleared);  // as the help window went
    }
    platform::Accessibility::Unbind();
    EXPECT_EQ(fake.servicesHeld, 0);
}

// The start-up's library search: the system folder alone where the system offers it, else
// without the current folder, else (Windows 2000) unchanged; the same with Windows 98 reported.
TEST(LibrarySearchTest, SystemFolderOnlyThenNoCurrentFolderThenNothingThenCommonControls) {
    ASSERT_TRUE(!std::getenv("MORVANE_EXPECT_9X") || toolkit::AnsiFamily());
    FakePlatform fake;
    fake.FakeLibraries();
    platform::HardenLibrarySearch();
    EXPECT_EQ(fake.defaultDllDirectories, std::vector<DWORD>{0x800});  // ..._SEARCH_SYSTEM32
    EXPECT_TRUE(fake.dllDirectories.empty());

    fake.missingEntryPoints = {"SetDefaultDllDirectories"};
    platform::HardenLibrarySearch();
    EXPECT_EQ(fake.dllDirectories, std::vector<std::wstring>{L""});

    fake.missingEntryPoints.insert("SetDllDirectoryW");
    fake.order.clear();
    platform::HardenLibrarySearch();
    EXPECT_EQ(fake.order, std::vector<std::string>({"lookup", "lookup"}));

    // Then, where Windows has side-by-side versions (XP on) and reports no 9x, the common
    // controls of the second manifest, by name, with their standard classes; else the classic.
    platform::LoadCommonControls();
    EXPECT_EQ(fake.loads.empty(), toolkit::AnsiFamily());
    if (toolkit::AnsiFamily()) return;
    EXPECT_EQ(fake.loads.back().path + std::to_wstring(fake.loads.back().flags), L"comctl32.dll0");
    EXPECT_EQ(fake.order.back(), "standard classes");
    fake.missingEntryPoints = {"InitCommonControlsEx"};  // nothing to call
    platform::LoadCommonControls();
    EXPECT_EQ(fake.order.back(), "deactivate");
    fake.missingLibrary = L"comctl32.dll";  // nothing loaded
    platform::LoadCommonControls();
    EXPECT_EQ(fake.order.back(), "deactivate");
    fake.missingEntryPoints = {"ActivateActCtx"};  // before Windows XP, nothing tried
    platform::LoadCommonControls();
    EXPECT_EQ(fake.loads.size(), 3u);
}

TEST(ErrorPromptTest, TheNumberCarriesASpaceOrItsMinusSign) {
    EXPECT_EQ(ErrorPrompt(toolkit::Error(53, L"File not found")), L" 53 : File not found");
    EXPECT_EQ(ErrorPrompt(toolkit::Error(0, L"zero")), L" 0 : zero");
    EXPECT_EQ(ErrorPrompt(toolkit::Error(-2147221504, L"negative")), L"-2147221504 : negative");
}

}  // namespace
