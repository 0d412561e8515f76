#include <gtest/gtest.h>

#include <cstdlib>

#include "support/fake_platform.h"
#include "support/window_probe.h"
#include "toolkit/error.h"
#include "toolkit/form.h"
#include "toolkit/ruler.h"

namespace {

using namespace toolkit;

enum : int { Name = 200, Choice = 210, Apply = 220, Close = 221, Fail = 222, Note = 230 };

// Created in an order unlike the tab order, as real designs are.
const FormDesign TestDesign{
    L"MorvaneTestForm", L"Toolkit test", 3000, 1500, Border::FixedDialog,
    StartUpPosition::CentreOwner, COLOR_MENU, 0, ArialRegular,
    {
        {Close, NoIndex, ControlKind::CommandButton, L"&Close", {1500, 1000, 900, 375}, 5, ArialBold},
        {Choice, 1, ControlKind::OptionButton, L"Second", {1500, 60, 1200, 255}, 3},
        {Choice, 0, ControlKind::OptionButton, L"First", {150, 60, 1200, 255}, 2, WindowFont,
         Unset, Unset, Align::Left, Selected},
        {Apply, NoIndex, ControlKind::CommandButton, L"Apply", {150, 1000, 900, 375}, 4},
        {Note, NoIndex, ControlKind::Label, L"A & B", {150, 700, 2700, 255}, 1,
         {L"Arial", 1425, FW_BOLD}, RgbColour(192, 192, 192, COLOR_MENU),
         SystemColour(COLOR_MENUTEXT), Align::Right},
        {Fail, NoIndex, ControlKind::CommandButton, L"Fail", {2500, 1000, 400, 375}, 6},
        {Name, NoIndex, ControlKind::TextBox, L"typed", {150, 360, 2700, 300}, 0},
    },
};

class TestForm : public Form {
public:
    TestForm() : Form(TestDesign) {}
    std::vector<int> clicks;
    int loads = 0;
    bool closeOnLoad = false;
    bool ownerEnabledInHandler = true;

private:
    void OnLoad() override {
        ++loads;
        if (closeOnLoad) PostMessageW(Control(Close), BM_CLICK, 0, 0);
    }
    void OnClick(int id) override {
        clicks.push_back(id);
        if (id == Fail) Raise(ErrorNumber::InvalidArgument);
        if (id == Close) {
            ownerEnabledInHandler = IsWindowEnabled(GetWindow(Window(), GW_OWNER)) != FALSE;
            Unload();
        }
    }
};

class FormTest : public testing::Test {
protected:
    TestForm form;
    void TearDown() override {
        form.Unload();
        PumpPendingMessages();
    }
};

// Wine shows the cues either way: the change the window is asked for tells.
WPARAM cueChange = 0;
LRESULT WINAPI RecordCueChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHANGEUISTATE) cueChange = wParam;
    return SendMessageW(window, message, wParam, lParam);
}
BOOL WINAPI CuesAlwaysShown(UINT, UINT, PVOID shown, UINT) { return *static_cast<BOOL*>(shown) = 1; }

TEST_F(FormTest, LoadingBuildsTheDesignInPixelsAndUnloadingDiscardsIt) {
    FakePlatform fake;
    const int before = Form::LoadedCount();
    form.Load();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_EQ(Form::LoadedCount(), before + 1);
    EXPECT_EQ(form.loads, 1);
    const SIZE client = probe::ClientSize(form.Window());
    EXPECT_EQ(client.cx, 200);
    EXPECT_EQ(client.cy, 100);
    const RECT note = probe::RectInParent(form.Control(Note));
    EXPECT_EQ(note.left, 10);
    EXPECT_EQ(note.top, 47);  // 700 twips = 46.67 pixels
    EXPECT_EQ(note.right - note.left, 180);
    EXPECT_EQ(note.bottom - note.top, 17);

    form.SetText(Name, L"changed");
    form.Unload();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(Form::LoadedCount(), before);
    // Touching a control loads the window again, from its design, cues as the user sets them.
    Live().SystemParametersInfoW = &CuesAlwaysShown;
    Live().SendMessageW = &RecordCueChange;
    EXPECT_EQ(form.Text(Name), L"typed");
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(cueChange, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS));
}

TEST_F(FormTest, ControlsGetTheirClassesStylesAndFonts) {
    form.Load();
    EXPECT_EQ(probe::ClassName(form.Control(Name)), L"Edit");
    EXPECT_EQ(probe::ClassName(form.Control(Close)), L"Button");
    EXPECT_EQ(probe::ClassName(form.Control(Note)), L"Static");
    EXPECT_EQ(probe::Style(form.Control(Choice, 0)) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
    EXPECT_EQ(probe::Style(form.Control(Note)) & (SS_TYPEMASK | SS_NOPREFIX), SS_RIGHT | SS_NOPREFIX);

    const LOGFONTW note = probe::Font(form.Control(Note));
    EXPECT_STREQ(note.lfFaceName, L"Arial");
    EXPECT_EQ(note.lfHeight, -19);
    EXPECT_EQ(note.lfWeight, FW_BOLD);
    const LOGFONTW name = probe::Font(form.Control(Name));  // the window's own font
    EXPECT_EQ(name.lfHeight, -11);
    EXPECT_EQ(name.lfWeight, FW_NORMAL);
    EXPECT_EQ(name.lfCharSet, DEFAULT_CHARSET);
    // Realised in the code page's own set: Western here, Cyrillic on 1251.
    const char* expected = std::getenv("MORVANE_EXPECT_CHARSET");
    const HDC dc = GetDC(form.Window());
    const HGDIOBJ before = SelectObject(
        dc, reinterpret_cast<HGDIOBJ>(SendMessageW(form.Control(Name), WM_GETFONT, 0, 0)));
    EXPECT_EQ(GetTextCharset(dc), expected ? std::atoi(expected) : ANSI_CHARSET);
    SelectObject(dc, before);
    ReleaseDC(form.Window(), dc);
}

TEST_F(FormTest, LabelsAreDrawnInTheirDesignColoursOrUnderHighContrastInTheSchemes) {
    form.Load();
    const probe::Colours note = probe::ControlColours(form.Control(Note));
    EXPECT_EQ(note.background, RGB(192, 192, 192));
    EXPECT_EQ(note.brush, RGB(192, 192, 192));
    EXPECT_EQ(note.text, GetSysColor(COLOR_MENUTEXT));

    // Turned on while the window is open: its next paint takes the scheme's colours.
    ASSERT_NE(GetSysColor(COLOR_MENU), RGB(192, 192, 192));
    FakePlatform fake;
    fake.HighContrast();
    const probe::Colours contrast = probe::ControlColours(form.Control(Note));
    EXPECT_EQ(contrast.background, GetSysColor(COLOR_MENU));
    EXPECT_EQ(contrast.brush, GetSysColor(COLOR_MENU));
    EXPECT_EQ(contrast.text, GetSysColor(COLOR_MENUTEXT));
}

TEST_F(FormTest, TheRulerCutsALineThatDoesNotFitTheLabelWithAnEllipsis) {
    const HWND note = form.Control(Note);
    const std::wstring line = L"Illegal operation attempted on a registry key that has been "
                              L"marked for deletion.";
    const std::wstring cut = Ruler(note).CutToFit(line);
    ASSERT_GT(cut.size(), 6u);
    EXPECT_EQ(line.substr(0, cut.size() - 3) + L"...", cut);
    SetWindowTextW(note, cut.c_str());
    EXPECT_EQ(probe::LinesShown(note), 1);  // as the label itself draws it
}

TEST_F(FormTest, TabFollowsTheTabIndexAndStopsOnceInAnOptionGroup) {
    form.Show();
    PumpPendingMessages();
    EXPECT_EQ(GetFocus(), form.Control(Name));
    EXPECT_EQ(probe::TabOrder(form.Control(Name), 5),
              (std::vector<HWND>{form.Control(Choice, 0), form.Control(Apply),
                                 form.Control(Close), form.Control(Fail),
                                 form.Control(Name)}));

    // An arrow key selects the other option, and the group's tab stop moves with the selection.
    SetFocus(form.Control(Choice, 0));
    probe::PressKey(VK_DOWN);
    EXPECT_TRUE(form.IsSelected(Choice, 1));
    EXPECT_FALSE(form.IsSelected(Choice, 0));
    EXPECT_EQ(probe::TabOrder(form.Control(Name), 1), std::vector<HWND>{form.Control(Choice, 1)});
}

TEST_F(FormTest, ClicksReachTheHandlerByControlNameAndEnterOrEscReachNothing) {
    form.Show();
    SendMessageW(form.Control(Apply), BM_CLICK, 0, 0);
    SendMessageW(form.Window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    SendMessageW(form.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    SendMessageW(form.Control(Choice, 1), BM_CLICK, 0, 0);
    // A quick pair of clicks on a push button is two presses.
    for (const UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        SendMessageW(form.Control(Apply), down, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(form.Control(Apply), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    EXPECT_EQ(form.clicks, (std::vector<int>{Apply, Choice, Apply, Apply}));
}

TEST_F(FormTest, EnterPressesTheFocusedPushButtonAloneAndCtrlASelectsTheWholeText) {
    form.Show();
    const HWND name = form.Control(Name);
    SendMessageW(name, EM_SETSEL, 2, 3);
    probe::PressKey('A', VK_CONTROL);
    DWORD start = 1, end = 0;
    SendMessageW(name, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
    EXPECT_EQ(form.Text(Name), L"typed");

    probe::PressKey(VK_RETURN);  // no default button
    // Reached by a click (BM_CLICK is the button's own mouse handling), then by Tab.
    SendMessageW(form.Control(Apply), BM_CLICK, 0, 0);
    probe::PressKey(VK_RETURN);
    EXPECT_EQ(probe::TabOrder(form.Control(Choice, 0), 1), std::vector<HWND>{form.Control(Apply)});
    probe::PressKey(VK_RETURN);
    EXPECT_EQ(probe::Style(form.Control(Apply)) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    SetFocus(form.Control(Choice, 0));  // as a click there does
    EXPECT_EQ(probe::Style(form.Control(Apply)) & BS_TYPEMASK, BS_PUSHBUTTON);
    probe::PressKey(VK_RETURN);
    EXPECT_EQ(form.clicks, (std::vector<int>{Apply, Apply, Apply}));
}

TEST_F(FormTest, AnErrorInAHandlerIsReportedAndTheWindowCarriesOn) {
    FakePlatform fake;
    fake.FakeMessageBox();
    form.Show();
    SendMessageW(form.Control(Fail), BM_CLICK, 0, 0);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, L"Error 5: Invalid procedure call or argument");
    EXPECT_TRUE(form.IsLoaded());
}

// Notes whether the owner was enabled when its owned window received WM_DESTROY.
class DestroyWatch {
public:
    static inline HWND owner = nullptr;
    static inline bool ownerEnabledAtDestroy = false;

    explicit DestroyWatch(HWND watched)
        : hook_(SetWindowsHookExW(WH_CALLWNDPROC, &Watch, nullptr, GetCurrentThreadId())) {
        owner = watched;
        ownerEnabledAtDestroy = false;
    }

private:
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == WM_DESTROY &&
            GetWindow(call->hwnd, GW_OWNER) == owner)
            ownerEnabledAtDestroy = IsWindowEnabled(owner) != FALSE;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    Owner<HHOOK, &::UnhookWindowsHookEx> hook_;
};

class ModalTest : public FormTest {
protected:
    TestForm owner;
    void TearDown() override {
        owner.Unload();
        FormTest::TearDown();
    }
};

TEST_F(ModalTest, TheOwnerIsDisabledWhileShownAndEnabledBeforeTheModalWindowGoes) {
    owner.Show();
    form.closeOnLoad = true;
    const DestroyWatch watch(owner.Window());
    form.ShowModal(owner.Window());
    // ShowModal returned: the window was unloaded from inside its own button's handler.
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.clicks, std::vector<int>{Close});
    EXPECT_FALSE(form.ownerEnabledInHandler);  // disabled while the modal window ran
    EXPECT_TRUE(IsWindowEnabled(owner.Window()));
    EXPECT_TRUE(DestroyWatch::ownerEnabledAtDestroy);
    EXPECT_TRUE(owner.IsLoaded());
}

TEST_F(ModalTest, ClosingFromTheTitleBarUnloadsAndReEnablesTheOwner) {
    owner.Show();
    form.Load(owner.Window());
    PostMessageW(form.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    form.ShowModal(owner.Window());
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(IsWindowEnabled(owner.Window()));
}

TEST_F(ModalTest, AModalWindowIsOwnedAndCentredOverItsOwner) {
    owner.Show();
    form.Load(owner.Window());
    EXPECT_EQ(GetWindow(form.Window(), GW_OWNER), owner.Window());
    RECT ownerRect{};
    RECT formRect{};
    GetWindowRect(owner.Window(), &ownerRect);
    GetWindowRect(form.Window(), &formRect);
    EXPECT_NEAR(formRect.left + formRect.right, ownerRect.left + ownerRect.right, 1);
    EXPECT_NEAR(formRect.top + formRect.bottom, ownerRect.top + ownerRect.bottom, 1);
}

}  // namespace
