#include "windows/main/main_window.h"

#include "platform/accessibility.h"
#include "toolkit/application.h"
#include "toolkit/ruler.h"
#include "windows/help/help_window.h"

using namespace toolkit;

namespace {

const Colour MenuBar = SystemColour(COLOR_MENU);
const Colour MenuText = SystemColour(COLOR_MENUTEXT);

const FormDesign MainDesign{
    L"morvane",
    L"Change the name on Internet Explorer",
    5565, 2115,
    Border::FixedSingle,
    StartUpPosition::CentreScreen,
    COLOR_MENU,
    IDI_MORVANE,
    ArialRegular,
    {
        // name                   index    kind                        caption
        //     left  top   width height  tab  font          background text      align          options
        //     control it names
        {morvane::HelpButton, NoIndex, ControlKind::CommandButton, L"Help",
            {120, 1680, 735, 375}, 9, ArialBold},
        {morvane::WindowsVersion, 2, ControlKind::OptionButton, L"Windows NT/XP",
            {3840, 60, 1935, 255}, 8, ArialBold, MenuBar, MenuText, Align::Left, Selected},
        {morvane::WindowsVersion, 1, ControlKind::OptionButton, L"Windows ME/2000",
            {1920, 60, 1935, 255}, 7, ArialBold, MenuBar, MenuText},
        {morvane::WindowsVersion, 0, ControlKind::OptionButton, L"Windows 95/98",
            {240, 60, 1935, 255}, 6, ArialBold, MenuBar, MenuText},
        {morvane::ExitButton, NoIndex, ControlKind::CommandButton, L"Exit",
            {4680, 1680, 735, 375}, 4, ArialBold},
        {morvane::DefaultButton, NoIndex, ControlKind::CommandButton, L"Use Default",
            {3480, 1680, 1095, 375}, 3, ArialBold},
        {morvane::ChangeButton, NoIndex, ControlKind::CommandButton, L"Change to Typed Message",
            {960, 1680, 2415, 375}, 2, ArialBold},
        {morvane::EnterText, NoIndex, ControlKind::TextBox, L"",
            {120, 600, 5295, 375}, 0, ArialRegular},
        {morvane::CompletedMessage, NoIndex, ControlKind::Label, L"",
            {120, 1020, 5295, 555}, 5, ArialBold, MenuBar, MenuText, Align::Centre},
        {morvane::Label1, NoIndex, ControlKind::Label,
            L"Type the name that you wish to appear on your Internet Explorer",
            {120, 360, 5295, 255}, 1, ArialRegular, Unset, MenuText, Align::Centre, NoOptions,
            morvane::EnterText},
    },
};

// The key each Windows family keeps the browser's settings under, by option index.
const wchar_t* const KeyPathByFamily[] = {IeMainKeyMachine, IeMainKeyMachine, IeMainKeyUser};
constexpr int NoFamily = -1;

}  // namespace

morvane::morvane() : Form(MainDesign) {}

void morvane::OnClick(int id) {
    switch (id) {
    case ChangeButton: OnChangeButtonClick(); break;
    case DefaultButton: OnDefaultButtonClick(); break;
    case ExitButton: Unload(); break;
    case HelpButton: OnHelpButtonClick(); break;
    }
}

// What screen readers were told of the confirmation label goes with the window.
void morvane::OnUnload() { platform::Accessibility::ClearWithin(Window()); }

// The help window is modal: this returns once the user has closed it.
void morvane::OnHelpButtonClick() { DefaultInstance<HelpScreen>().ShowModal(Window()); }

// The option chosen, by index; NoFamily where none is (which the group never allows).
int morvane::SelectedFamily() {
    for (int index = 0; index < 3; ++index)
        if (IsSelected(WindowsVersion, index)) return index;
    return NoFamily;
}

void morvane::OnChangeButtonClick() {
    const int family = SelectedFamily();
    if (family == NoFamily) return ShowCompletedMessage();
    ShowOutcome(StoreTitle(KeyPathByFamily[family], Text(EnterText)), family, Press::Change);
}

// Without the value the browser shows its own name, which the text box then shows too; where
// the value could not be removed everywhere, the box keeps what the user typed.
void morvane::OnDefaultButtonClick() {
    const int family = SelectedFamily();
    if (family == NoFamily) return ShowCompletedMessage();
    const Registry::ViewsChanged removed = RemoveTitle(KeyPathByFamily[family]);
    if (removed.status == ERROR_SUCCESS) SetText(EnterText, BrowserOwnName());
    ShowOutcome(removed, family, Press::Default);
}

// Says what the press did, and what the browser will really show.
void morvane::ShowOutcome(const Registry::ViewsChanged& done, int family, Press press) {
    const bool machineWide = KeyPathByFamily[family] == IeMainKeyMachine;
    ShowResult(DescribeChange(done, machineWide, press, Text(EnterText),
                              Ruler(Control(CompletedMessage)))
                   .text);
}

void morvane::ShowCompletedMessage() {
    ShowResult(CompletedText(Text(EnterText), Ruler(Control(CompletedMessage))));
}

// The confirmation label never takes the focus, so screen readers are told to read it out.
void morvane::ShowResult(const std::wstring& text) {
    SetText(CompletedMessage, text);
    platform::Accessibility::AnnounceChange(Control(CompletedMessage));
}
