#include <gtest/gtest.h>

#include "platform/accessibility.h"
#include "platform/ansi.h"
#include "platform/calls.h"
#include "platform/com.h"
#include "platform/system_error.h"
#include "support/fake_platform.h"
#include "support/window_probe.h"
#include "windows/main/main_window.h"

namespace {

const std::string IeMainAnsi = "Software\\Microsoft\\Internet Explorer\\Main";

class MainWindowTest : public testing::Test {
protected:
    morvane window;

    void SetUp() override {
        window.Show();
        toolkit::PumpPendingMessages();
    }
    void TearDown() override {
        window.Unload();
        toolkit::PumpPendingMessages();
    }

    HWND Control(int id, int index = toolkit::NoIndex) { return window.Control(id, index); }
    void Click(int id, int index = toolkit::NoIndex) {
        SendMessageW(Control(id, index), BM_CLICK, 0, 0);
    }
    void Type(const std::wstring& text) { SetWindowTextW(Control(morvane::EnterText), text.c_str()); }
    std::wstring Confirmation() { return probe::Text(Control(morvane::CompletedMessage)); }
};

struct Expected {
    int id;
    int index;
    const wchar_t* caption;
    probe::Placed placed;
};

TEST_F(MainWindowTest, TheWindowIsLaidOutAsDesigned) {
    probe::ExpectFixedWindow(window.Window(), L"Change the name on Internet Explorer", 371, 141);
    EXPECT_NE(GetClassLongPtrW(window.Window(), GCLP_HICON), 0);
    EXPECT_TRUE(IsWindowUnicode(window.Window()));

    const Expected controls[] = {
        {morvane::HelpButton, toolkit::NoIndex, L"Help", {L"Button", {8, 112, 57, 137}, -11, FW_BOLD}},
        {morvane::WindowsVersion, 2, L"Windows NT/XP", {L"Button", {256, 4, 385, 21}, -11, FW_BOLD}},
        {morvane::WindowsVersion, 1, L"Windows ME/2000", {L"Button", {128, 4, 257, 21}, -11, FW_BOLD}},
        {morvane::WindowsVersion, 0, L"Windows 95/98", {L"Button", {16, 4, 145, 21}, -11, FW_BOLD}},
        {morvane::ExitButton, toolkit::NoIndex, L"Exit", {L"Button", {312, 112, 361, 137}, -11, FW_BOLD}},
        {morvane::DefaultButton, toolkit::NoIndex, L"Use Default",
         {L"Button", {232, 112, 305, 137}, -11, FW_BOLD}},
        {morvane::ChangeButton, toolkit::NoIndex, L"Change to Typed Message",
         {L"Button", {64, 112, 225, 137}, -11, FW_BOLD}},
        {morvane::EnterText, toolkit::NoIndex, L"", {L"Edit", {8, 40, 361, 65}, -11, FW_NORMAL}},
        {morvane::CompletedMessage, toolkit::NoIndex, L"",
         {L"Static", {8, 68, 361, 105}, -11, FW_BOLD}},
        {morvane::Label1, toolkit::NoIndex,
         L"Type the name that you wish to appear on your Internet Explorer",
         {L"Static", {8, 24, 361, 41}, -11, FW_NORMAL}},
    };
    for (const Expected& expected : controls) {
        SCOPED_TRACE(testing::Message() << "control " << expected.id << " index " << expected.index);
        const HWND control = Control(expected.id, expected.index);
        probe::ExpectPlaced(control, expected.placed);
        EXPECT_EQ(probe::Text(control), expected.caption);
    }
}

TEST_F(MainWindowTest, ControlsHaveTheirKindsAlignmentsAndColours) {
    EXPECT_EQ(probe::Style(Control(morvane::ChangeButton)) & BS_TYPEMASK, BS_PUSHBUTTON);
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(probe::Style(Control(morvane::WindowsVersion, index)) & BS_TYPEMASK,
                  BS_AUTORADIOBUTTON);
    EXPECT_FALSE(probe::Style(Control(morvane::EnterText)) & ES_MULTILINE);
    EXPECT_EQ(probe::Style(Control(morvane::CompletedMessage)) & SS_TYPEMASK, SS_CENTER);
    EXPECT_EQ(probe::Style(Control(morvane::Label1)) & SS_TYPEMASK, SS_CENTER);

    const probe::Colours confirmation = probe::ControlColours(Control(morvane::CompletedMessage));
    EXPECT_EQ(confirmation.background, GetSysColor(COLOR_MENU));
    EXPECT_EQ(confirmation.brush, GetSysColor(COLOR_MENU));
    EXPECT_EQ(confirmation.text, GetSysColor(COLOR_MENUTEXT));
    const probe::Colours option = probe::ControlColours(Control(morvane::WindowsVersion, 0));
    EXPECT_EQ(option.background, GetSysColor(COLOR_MENU));
    EXPECT_EQ(option.text, GetSysColor(COLOR_MENUTEXT));
    // The prompt has no background of its own: it lies on the window's, not on a strip.
    const probe::Colours prompt = probe::ControlColours(Control(morvane::Label1));
    EXPECT_EQ(prompt.text, GetSysColor(COLOR_MENUTEXT));
    EXPECT_EQ(prompt.background, GetSysColor(COLOR_MENU));
    EXPECT_EQ(prompt.brush, GetSysColor(COLOR_MENU));
}

TEST_F(MainWindowTest, StartsEmptyWithNtXpSelectedAndTheTextBoxFocused) {
    EXPECT_EQ(window.Text(morvane::EnterText), L"");
    EXPECT_EQ(Confirmation(), L"");
    EXPECT_FALSE(window.IsSelected(morvane::WindowsVersion, 0));
    EXPECT_FALSE(window.IsSelected(morvane::WindowsVersion, 1));
    EXPECT_TRUE(window.IsSelected(morvane::WindowsVersion, 2));
    EXPECT_EQ(GetFocus(), Control(morvane::EnterText));
}

TEST_F(MainWindowTest, TabRunsTextChangeDefaultExitOptionsHelpAndShiftTabBack) {
    const std::vector<HWND> forwards{
        Control(morvane::ChangeButton), Control(morvane::DefaultButton),
        Control(morvane::ExitButton),   Control(morvane::WindowsVersion, 2),
        Control(morvane::HelpButton),   Control(morvane::EnterText)};
    EXPECT_EQ(probe::TabOrder(Control(morvane::EnterText), 6), forwards);
    const std::vector<HWND> backwards(forwards.rbegin() + 1, forwards.rend());
    EXPECT_EQ(probe::TabOrder(Control(morvane::EnterText), 5, true), backwards);
}

TEST_F(MainWindowTest, OptionButtonsAreOneExclusiveGroup) {
    Click(morvane::WindowsVersion, 0);
    EXPECT_TRUE(window.IsSelected(morvane::WindowsVersion, 0));
    EXPECT_FALSE(window.IsSelected(morvane::WindowsVersion, 2));
    Click(morvane::WindowsVersion, 1);
    EXPECT_FALSE(window.IsSelected(morvane::WindowsVersion, 0));
    EXPECT_TRUE(window.IsSelected(morvane::WindowsVersion, 1));
}

TEST_F(MainWindowTest, OverlappingControlsLeaveEachOthersCirclesAndBordersVisible) {
    // Each option button paints only up to where the next one begins; the last keeps it all.
    const LONG visibleWidths[] = {128 - 16, 256 - 128};
    RECT box{};
    for (int index = 0; index < 2; ++index) {
        ASSERT_NE(GetWindowRgnBox(Control(morvane::WindowsVersion, index), &box), ERROR);
        EXPECT_EQ(box.left, 0);
        EXPECT_EQ(box.right, visibleWidths[index]);
        EXPECT_EQ(box.bottom, 17);
    }
    EXPECT_EQ(GetWindowRgnBox(Control(morvane::WindowsVersion, 2), &box), ERROR);
    // The prompt, stacked just above the text box, stops where the box's border begins.
    ASSERT_NE(GetWindowRgnBox(Control(morvane::Label1), &box), ERROR);
    EXPECT_EQ(box.bottom, 40 - 24);
}

TEST_F(MainWindowTest, ThePromptLiesJustAboveTheTextBoxForScreenReadersToNameIt) {
    EXPECT_EQ(GetWindow(Control(morvane::EnterText), GW_HWNDPREV), Control(morvane::Label1));
}

TEST_F(MainWindowTest, ShowCompletedMessageQuotesTheTextUnchanged) {
    window.ShowCompletedMessage();
    EXPECT_EQ(Confirmation(), L"Your Internet Explorer will now read: \r\n\" - \"");
    Type(L"He said \"hi\" & left");
    window.ShowCompletedMessage();
    EXPECT_EQ(Confirmation(), L"Your Internet Explorer will now read: \r\n\" - He said \"hi\" & left\"");
}

class TitleChangeTest : public MainWindowTest {
protected:
    FakePlatform fake;
    void SetUp() override {
        fake.FakeRegistry().FakeMessageBox();
        MainWindowTest::SetUp();
    }

    // The label says this in its two lines, each of which fits.
    void ExpectSaid(const std::wstring& text) {
        EXPECT_EQ(Confirmation(), text);
        EXPECT_EQ(probe::LinesShown(Control(morvane::CompletedMessage)), 2);
    }
    void ExpectFailure(const std::wstring& reason) {
        ExpectSaid(L"Your Internet Explorer could not be changed: \r\n" + reason);
    }
};

TEST_F(TitleChangeTest, EachFamilyWritesToItsOwnHive) {
    const struct {
        int index;
        HKEY root;
    } families[] = {{0, HKEY_LOCAL_MACHINE}, {1, HKEY_LOCAL_MACHINE}, {2, HKEY_CURRENT_USER}};
    Type(L"Susan's World");
    for (const auto& family : families) {
        SCOPED_TRACE(family.index);
        fake.opens.clear();
        fake.sets.clear();
        Click(morvane::WindowsVersion, family.index);
        Click(morvane::ChangeButton);
        ASSERT_FALSE(fake.opens.empty());
        EXPECT_EQ(fake.opens[0].root, family.root);
        EXPECT_EQ(fake.opens[0].subkey, IeMainAnsi);
        ASSERT_EQ(fake.sets.size(), family.root == HKEY_CURRENT_USER ? 1u : 2u);  // both views
        EXPECT_EQ(fake.sets[0].name, "Window Title");
        EXPECT_EQ(fake.sets[0].data, std::string("Susan's World\0", 14));
        EXPECT_EQ(Confirmation(), L"Your Internet Explorer will now read: \r\n\" - Susan's World\"");
    }
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(TitleChangeTest, UseDefaultRemovesTheValueAndShowsTheInstalledBrowsersOwnName) {
    const std::string ieKey = "Software\\Microsoft\\Internet Explorer";
    const struct {
        const wchar_t* svcVersion;
        const wchar_t* version;
        const wchar_t* ownName;
    } browsers[] = {{nullptr, nullptr, L"Microsoft Internet Explorer"},
                    {nullptr, L"8.0.6001.18702", L"Windows Internet Explorer"},
                    {L"11.0.9600.18376", L"9.11.9600.18376", L"Internet Explorer"}};
    Click(morvane::WindowsVersion, 1);
    for (const auto& browser : browsers) {
        SCOPED_TRACE(browser.ownName);
        fake.values.clear();
        fake.deletes.clear();
        fake.values[{HKEY_LOCAL_MACHINE, IeMainAnsi, "Window Title"}] = {REG_SZ, L"Mine"};
        if (browser.svcVersion)
            fake.values[{HKEY_LOCAL_MACHINE, ieKey, "svcVersion"}] = {REG_SZ, browser.svcVersion};
        if (browser.version)
            fake.values[{HKEY_LOCAL_MACHINE, ieKey, "Version"}] = {REG_SZ, browser.version};
        Type(L"something else");
        Click(morvane::DefaultButton);
        ASSERT_EQ(fake.deletes.size(), 2u);  // in both views
        EXPECT_EQ(fake.deletes[0].name, "Window Title");
        EXPECT_EQ(fake.values.count({HKEY_LOCAL_MACHINE, IeMainAnsi, "Window Title"}), 0u);
        EXPECT_EQ(window.Text(morvane::EnterText), browser.ownName);
        EXPECT_EQ(Confirmation(), L"Your Internet Explorer will now read: \r\n\" - " +
                                      std::wstring(browser.ownName) + L"\"");
    }
    EXPECT_TRUE(fake.sets.empty());

    // Nothing to remove, also for a user who may not write the key; a value there is refused.
    fake.writeOpenResult = ERROR_ACCESS_DENIED;
    Click(morvane::DefaultButton);
    ExpectSaid(L"Nothing to remove; your Internet Explorer reads:\r\n\" - Internet Explorer\"");
    fake.values[{HKEY_LOCAL_MACHINE, IeMainAnsi, "Window Title"}] = {REG_SZ, L"Mine"};
    Type(L"typed");
    Click(morvane::DefaultButton);
    ExpectFailure(L"This needs an administrator.");
    EXPECT_EQ(window.Text(morvane::EnterText), L"typed");
}

DWORD WINAPI Windows11() { return 22000u << 16 | 10; }
DWORD WINAPI Windows98() { return 0x80000000u | 10u << 8 | 4; }

TEST_F(TitleChangeTest, TheConfirmationNamesTheValueTheBrowserReadsInsteadOfTheOneChanged) {
    const FakePlatform::ValuePlace user{HKEY_CURRENT_USER, IeMainAnsi, "Window Title"};
    fake.values[user] = {REG_SZ, std::wstring(L"\x0100pple\0", 6)};  // not taken for "Apple"
    Type(L"Apple");
    Click(morvane::WindowsVersion, 0);
    Click(morvane::ChangeButton);
    ExpectSaid(L"Changed, but your Windows NT/XP title comes first:\r\n\" - \x0100pple\"");
    fake.values[user] = {REG_SZ, L""};
    Click(morvane::ChangeButton);
    ExpectSaid(L"Changed, but your Windows NT/XP title comes first:\r\nit is empty.");

    Click(morvane::WindowsVersion, 2);
    Click(morvane::DefaultButton);
    ExpectSaid(L"Changed, but the Windows 95/98 or ME/2000 title shows:\r\n\" - Apple\"");
    Click(morvane::DefaultButton);
    ExpectSaid(L"Nothing to remove; the Windows 95/98 or ME/2000 title shows:\r\n\" - Apple\"");

    // A value that cannot be read back is not guessed at.
    fake.values[user] = {REG_DWORD, std::wstring(2, L'\0')};
    Click(morvane::WindowsVersion, 1);
    Click(morvane::ChangeButton);
    ExpectSaid(L"Changed, but the title could not be read back:\r\n"
               L"open Internet Explorer to see what it shows.");
    const std::wstring noBrowser = L"Windows 11 has no Internet Explorer:\r\n"
                                   L"Microsoft Edge shows its own title instead.";
    platform::Live().GetVersion = &Windows11;  // where no browser reads it back
    Click(morvane::ChangeButton);
    ExpectSaid(L"Stored, but " + noBrowser);
    // A compatibility mode lowers the version reported, even to the 9x family's, not the build.
    platform::Live().GetVersion = &Windows98;
    fake.values[{HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion",
                 "CurrentBuildNumber"}] = {REG_SZ, L"22631"};
    Click(morvane::DefaultButton);
    ExpectSaid(L"Removed, but " + noBrowser);
}

BOOL WINAPI X86OnArm64(HANDLE, USHORT* process, USHORT*) {
    *process = IMAGE_FILE_MACHINE_I386;
    return TRUE;
}

TEST_F(TitleChangeTest, TheMachinesTitleIsChangedInEachRegistryViewThatHasTheKey) {
    const std::string wow64Main = "Software\\Wow6432Node\\Microsoft\\Internet Explorer\\Main";
    const FakePlatform::ValuePlace view32{HKEY_LOCAL_MACHINE, wow64Main, "Window Title"};
    // The process tells, whatever family is reported: by IsWow64Process2 where there is one.
    platform::Live().GetVersion = &Windows98;
    Click(morvane::WindowsVersion, 0);
    Click(morvane::ChangeButton);
    EXPECT_EQ(fake.opens.at(0).access, static_cast<REGSAM>(KEY_WRITE | KEY_WOW64_64KEY));
    EXPECT_EQ(fake.opens.at(1).access, static_cast<REGSAM>(KEY_WRITE | KEY_WOW64_32KEY));
    EXPECT_EQ(fake.values.count(view32), 1u);
    platform::Live().IsWow64Process = nullptr;  // which answers FALSE for x86 on ARM64
    platform::Live().IsWow64Process2 = &X86OnArm64;
    Click(morvane::ChangeButton);
    EXPECT_EQ(fake.sets.size(), 4u);

    // A view refusing the change that the 64-bit one took: told as done, for both presses.
    fake.values[view32] = {REG_SZ, L"Older"};
    fake.keyResults = {{{HKEY_LOCAL_MACHINE, wow64Main}, ERROR_ACCESS_DENIED}};
    Type(L"New");
    for (const auto& [press, advice] : {std::pair{morvane::ChangeButton, L"choose Windows NT/XP."},
                                        {morvane::DefaultButton, L"ask an administrator."}}) {
        Click(press);
        ExpectSaid(L"Changed for 64-bit Internet Explorer only:\r\n"
                   L"32-bit: access is denied; " + std::wstring(advice));
        EXPECT_EQ(fake.values.count({HKEY_LOCAL_MACHINE, IeMainAnsi, "Window Title"}),
                  press == morvane::ChangeButton ? 1u : 0u);
        EXPECT_EQ(fake.values.at(view32).data, L"Older");
    }
    EXPECT_EQ(window.Text(morvane::EnterText), L"New");
    fake.values[{HKEY_CURRENT_USER, IeMainAnsi, "Window Title"}] = {REG_SZ, L"Mine"};
    Click(morvane::ChangeButton);
    ExpectSaid(L"Only 64-bit changed, but your Windows NT/XP title comes first:\r\n\" - Mine\"");
    platform::Live().GetVersion = &Windows11;
    Click(morvane::DefaultButton);
    ExpectSaid(L"Only 64-bit changed, but Windows 11 has no Internet Explorer:\r\n"
               L"Microsoft Edge shows its own title instead.");
    platform::Live().GetVersion = &Windows98;
    fake.values.erase({HKEY_CURRENT_USER, IeMainAnsi, "Window Title"});
    fake.keyResults.clear();
    fake.values.erase(view32);
    Click(morvane::DefaultButton);
    EXPECT_TRUE(fake.values.empty());
    fake.values[view32] = {REG_SZ, L"Older"};  // no one title is named where the views differ
    Click(morvane::WindowsVersion, 2);
    Click(morvane::DefaultButton);
    ExpectSaid(L"Nothing to remove; 32-bit and 64-bit Internet Explorer differ:\r\n"
               L"choose Windows 95/98 or ME/2000 to set both alike.");

    // A view without the key is skipped, not created; with neither, only a removal is done.
    fake.keyResults = {{{HKEY_LOCAL_MACHINE, wow64Main}, ERROR_FILE_NOT_FOUND}};
    fake.sets.clear();
    Click(morvane::WindowsVersion, 1);
    Click(morvane::ChangeButton);
    EXPECT_EQ(fake.sets.size(), 1u);
    ExpectSaid(L"Your Internet Explorer will now read: \r\n\" - Microsoft Internet Explorer\"");
    fake.keyResults[{HKEY_LOCAL_MACHINE, IeMainAnsi}] = ERROR_FILE_NOT_FOUND;
    Click(morvane::ChangeButton);
    ExpectFailure(L"The key for this choice is missing: try another Windows.");
    Click(morvane::DefaultButton);
    ExpectSaid(L"Nothing to remove; your Internet Explorer reads:\r\n"
               L"\" - Microsoft Internet Explorer\"");
}

TEST_F(TitleChangeTest, ALongTitleIsStoredWholeAndCutOnTheConfirmationsSecondLine) {
    Type(std::wstring(600, L'W'));
    Click(morvane::ChangeButton);
    EXPECT_EQ(fake.sets.at(0).size, 601u);
    const std::wstring shown = Confirmation();
    EXPECT_EQ(shown.substr(shown.size() - 5), L"W...\"");
    EXPECT_EQ(probe::LinesShown(Control(morvane::CompletedMessage)), 2);
}

TEST_F(TitleChangeTest, AnEmptyTextIsWrittenAsAnEmptyValueAndRepeatedPressesWriteTheSame) {
    Click(morvane::ChangeButton);
    Click(morvane::ChangeButton);
    ASSERT_EQ(fake.sets.size(), 2u);
    EXPECT_EQ(fake.sets[0].data, std::string(1, '\0'));
    EXPECT_EQ(fake.sets[1].data, fake.sets[0].data);
    EXPECT_EQ(Confirmation(), L"Your Internet Explorer will now read: \r\n\" - \"");
}

TEST_F(TitleChangeTest, AFailedWriteIsReportedInsteadOfTheConfirmationSayingWhatToDo) {
    Type(L"Susan's World");
    fake.openResult = ERROR_FILE_NOT_FOUND;
    Click(morvane::ChangeButton);
    ExpectFailure(L"The key for this choice is missing: try another Windows.");
    fake.openResult = ERROR_ACCESS_DENIED;
    Click(morvane::ChangeButton);
    ExpectFailure(L"Access is denied: ask your administrator.");
    Click(morvane::WindowsVersion, 1);
    Click(morvane::ChangeButton);
    ExpectFailure(L"This needs an administrator, or choose Windows NT/XP.");

    // Any other reason is the system's own (cut short where it would not fit: see the ruler).
    fake.openResult = ERROR_OUTOFMEMORY;
    Click(morvane::ChangeButton);
    ExpectFailure(platform::SystemErrorText(ERROR_OUTOFMEMORY));

    fake.openResult = ERROR_SUCCESS;
    fake.setResult = ERROR_ACCESS_DENIED;
    Click(morvane::ChangeButton);
    EXPECT_EQ(fake.closes.size(), 1u);
    ExpectFailure(L"This needs an administrator, or choose Windows NT/XP.");
    // A later successful write shows the confirmation again.
    fake.setResult = ERROR_SUCCESS;
    Click(morvane::ChangeButton);
    EXPECT_EQ(Confirmation(), L"Your Internet Explorer will now read: \r\n\" - Susan's World\"");
}

TEST_F(TitleChangeTest, ARefusedTextNamesTheCharactersTheSystemCannotStoreSetApartAsFarAsTheyFit) {
    if (GetACP() != 1252) GTEST_SKIP() << "written for the Western code page";
    Type(L"Athens \x0391\x03b8\x03ae\x03bd\x03b1 \x0391");  // Greek, one letter twice
    Click(morvane::ChangeButton);
    ExpectFailure(L"This system cannot store \"\x0391 \x03b8 \x03ae \x03bd \x03b1\": leave them out.");
    Type(L"Caf\x00e9 \xd83d\xde00");  // one character beyond 16 bits
    Click(morvane::ChangeButton);
    ExpectFailure(L"This system cannot store \"\xd83d\xde00\": leave it out.");

    std::wstring cyrillic;  // set apart as the refusal names them
    for (wchar_t letter = 0x0410; letter < 0x0440; ++letter) cyrillic += {letter, L' '};
    Type(cyrillic);
    Click(morvane::ChangeButton);
    const std::wstring shown = Confirmation();
    const std::size_t start = shown.find(L"store \"") + 7, end = shown.find(L"...\": leave them");
    ASSERT_LT(start + 3, end);  // some named, the rest left out
    EXPECT_NE(shown[end - 1], L' ');
    ExpectFailure(L"This system cannot store \"" + cyrillic.substr(0, end - start) +
                  L"...\": leave them out.");
    EXPECT_TRUE(fake.opens.empty());

    Type(L"Athens\x200b \x0391");  // with a zero-width space: it is named by its code
    Click(morvane::ChangeButton);
    ExpectFailure(L"This system cannot store \"U+200B \x0391\": leave them out.");
}

TEST(LegibleCharactersTest, ThoseThatShowNothingOfTheirOwnAreNamedByTheirCodes) {
    // Letters as they are (one beyond 16 bits, one precomposed); by their codes a zero-width
    // space, combining marks, a tag, a lone surrogate, a no-break space and direction marks.
    EXPECT_EQ(platform::LegibleCharacters(L"\x0391\x03b8\x200b\xd83d\xde00\x00e9\x0301\x05b0"
                                          L"\xdb40\xdc01\xd800\x00a0\x202e\x200e\xfeff\x03b1"),
              (std::vector<std::wstring>{L"\x0391", L"\x03b8", L"U+200B", L"\xd83d\xde00",
                                         L"\x00e9", L"U+0301", L"U+05B0", L"U+E0001", L"U+D800",
                                         L"U+00A0", L"U+202E", L"U+200E", L"U+FEFF", L"\x03b1"}));
}

std::vector<HWND> announced;  // each window announced as a whole (its client, itself)
void CALLBACK Announced(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) announced.push_back(window);
}

TEST_F(TitleChangeTest, EachResultIsAnnouncedToScreenReadersAsAPoliteLiveRegionWhereTheSystemCan) {
    const GUID liveSetting = {
        0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
    fake.FakeLibraries();
    platform::Accessibility::Unbind();
    platform::Com::Unbind();
    announced.clear();
    const HWINEVENTHOOK hook = SetWinEventHook(0x8019, 0x8019, nullptr, &Announced,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    Click(morvane::ChangeButton);
    fake.setResult = ERROR_ACCESS_DENIED;
    Click(morvane::ChangeButton);
    // Where the system has no such service (before Windows XP), or no way to make it, the event
    // alone is raised.
    platform::Accessibility::Unbind();
    fake.serviceResult = REGDB_E_CLASSNOTREG;
    Click(morvane::ChangeButton);
    platform::Com::Unbind();
    fake.missingEntryPoints = {"CoCreateInstance"};
    Click(morvane::ChangeButton);
    toolkit::PumpPendingMessages();
    UnhookWinEvent(hook);
    platform::Com::Unbind();
    platform::Accessibility::Unbind();

    const HWND label = Control(morvane::CompletedMessage);
    EXPECT_EQ(announced, std::vector<HWND>(4, label));
    ASSERT_EQ(fake.annotations.size(), 1u);  // once for the window, not for every result
    for (const FakePlatform::Annotation& annotation : fake.annotations) {
        EXPECT_EQ(annotation.window, label);
        EXPECT_EQ(annotation.object, static_cast<DWORD>(OBJID_CLIENT));
        EXPECT_EQ(annotation.child, static_cast<DWORD>(CHILDID_SELF));
        EXPECT_TRUE(IsEqualGUID(annotation.property, liveSetting));
        EXPECT_EQ(annotation.type, VT_I4);
        EXPECT_EQ(annotation.number, 1);  // polite
    }
    EXPECT_EQ(fake.servicesHeld, 0);
    EXPECT_TRUE(fake.boxes.empty());
}

TEST(SystemErrorTextTest, IsTheSystemsDescriptionWithoutItsLineBreak) {
    const std::wstring text = platform::SystemErrorText(ERROR_ACCESS_DENIED);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_of(L"\r\n"), std::wstring::npos);
    EXPECT_EQ(platform::SystemErrorText(0x7fff0000), L"Error 2147418112.");
}

TEST_F(MainWindowTest, ExitUnloadsTheWindow) {
    Click(morvane::ExitButton);
    EXPECT_FALSE(window.IsLoaded());
}

TEST_F(MainWindowTest, TheTitleReallyLandsInTheUsersRegistry) {
    Type(L"Bill's Explorer");
    Click(morvane::ChangeButton);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Internet Explorer\\Main", 0,
                            KEY_READ, &key),
              ERROR_SUCCESS);
    wchar_t value[64] = {};
    DWORD size = sizeof(value);
    EXPECT_EQ(RegQueryValueExW(key, L"Window Title", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(value), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_STREQ(value, L"Bill's Explorer");
    EXPECT_EQ(Confirmation(), L"Your Internet Explorer will now read: \r\n\" - Bill's Explorer\"");
}

}  // namespace
