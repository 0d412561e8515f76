#include "windows/main/main_window.h"

#include "platform/accessibility.h"
#include "platform/ansi.h"
#include "platform/system_error.h"
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

// Names the characters refused, as many of them as fit on the line, a space between each two:
// distinct characters run together would read as a word.
std::wstring NotHeldReason(const std::wstring& characters, const Ruler& ruler) {
    const std::vector<std::wstring> refused = platform::LegibleCharacters(characters);
    const std::wstring end = refused.size() == 1 ? L"\": leave it out." : L"\": leave them out.";
    std::wstring named;
    for (const std::wstring& character : refused)
        named += (named.empty() ? L"" : L" ") + character;
    for (std::size_t shown = refused.size(); shown > 0; --shown) {
        const std::wstring reason = L"This system cannot store \"" + named +
                                    (shown < refused.size() ? L"..." : L"") + end;
        if (ruler.Fits(reason)) return reason;
        named.resize(named.size() - refused[shown - 1].size() - (shown > 1 ? 1 : 0));
    }
    return L"Leave out the characters this system cannot store.";
}

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

// Says what the press did, and what the browser will really show: read back where another value
// may come first (a title written to the user's own key, read first, is the one shown), except
// on Windows 11, which has no such browser. A change that reached the 64-bit view alone is told
// as such, or, where the browser would not show it either, why not.
void morvane::ShowOutcome(const Registry::ViewsChanged& done, int family, Press press) {
    const bool machineWide = KeyPathByFamily[family] == IeMainKeyMachine;
    const bool partial = done.status != ERROR_SUCCESS && done.changed > 0;
    if (done.status != ERROR_SUCCESS && !partial)
        return ShowWriteFailure(done.status, machineWide, press);
    const bool changed = done.changed > 0;
    const std::wstring lead = partial   ? L"Only 64-bit changed, but "
                              : changed ? L"Changed, but "
                                        : L"Nothing to remove; ";
    if (WindowsHasNoInternetExplorer()) {
        const wchar_t* verb = press == Press::Change ? L"Stored, but " : L"Removed, but ";
        return ShowResult((changed && !partial ? verb : lead) +
                          L"Windows 11 has no Internet Explorer:\r\n"
                          L"Microsoft Edge shows its own title instead.");
    }
    if (press == Press::Change && !machineWide) return ShowCompletedMessage();
    const ShownTitle shown = TitleTheBrowserShows();
    if (partial && shown.source != TitleSource::User) return ShowPartialChange(done.status, press);
    switch (shown.source) {
    case TitleSource::Unreadable:
        return ShowResult(lead + L"the title could not be read back:\r\n"
                                 L"open Internet Explorer to see what it shows.");
    case TitleSource::ViewsDiffer:
        return ShowResult(lead + L"32-bit and 64-bit Internet Explorer differ:\r\n"
                                 L"choose Windows 95/98 or ME/2000 to set both alike.");
    case TitleSource::OwnName: break;
    case TitleSource::User:
    case TitleSource::Machine:
        if (partial || shown.text != Text(EnterText)) return ShowOtherTitle(lead, shown);
    }
    if (changed) return ShowCompletedMessage();
    ShowResult(L"Nothing to remove; your Internet Explorer reads:\r\n" +
               QuotedSuffix(Text(EnterText)));
}

void morvane::ShowCompletedMessage() {
    ShowResult(L"Your Internet Explorer will now read: \r\n" + QuotedSuffix(Text(EnterText)));
}

void morvane::ShowOtherTitle(const std::wstring& lead, const ShownTitle& shown) {
    const std::wstring first = lead + (shown.source == TitleSource::User
                                           ? L"your Windows NT/XP title comes first:"
                                           : L"the Windows 95/98 or ME/2000 title shows:");
    // An empty title, quoted, would read as a lone hyphen.
    const std::wstring title = shown.text.empty() ? L"it is empty." : QuotedSuffix(shown.text);
    ShowResult(first + L"\r\n" + title);
}

// The text as the browser puts it after a page's title, cut to the label's second line.
std::wstring morvane::QuotedSuffix(const std::wstring& title) {
    return Ruler(Control(CompletedMessage)).CutToFit(L"\" - " + title, L"\"");
}

void morvane::ShowWriteFailure(long status, bool machineWide, Press press) {
    ShowResult(L"Your Internet Explorer could not be changed: \r\n" +
               FailureReason(status, machineWide, press));
}

// The 64-bit view, changed first, was changed and the 32-bit one refused: the 64-bit frame of
// Internet Explorer 10 and 11 shows the change. A new title of the user's own would reach both;
// the machine's own name takes an administrator.
void morvane::ShowPartialChange(long status, Press press) {
    const wchar_t* advice =
        press == Press::Change ? L"choose Windows NT/XP." : L"ask an administrator.";
    const std::wstring reason = status == ERROR_ACCESS_DENIED
                                    ? std::wstring(L"access is denied; ") + advice
                                    : platform::SystemErrorText(status);
    ShowResult(L"Changed for 64-bit Internet Explorer only:\r\n" +
               Ruler(Control(CompletedMessage)).CutToFit(L"32-bit: " + reason));
}

// The confirmation label never takes the focus, so screen readers are told to read it out.
void morvane::ShowResult(const std::wstring& text) {
    SetText(CompletedMessage, text);
    platform::Accessibility::AnnounceChange(Control(CompletedMessage));
}

// The reason fits the confirmation's second line and, for the failures a user meets, says what
// to do; the system's own text for any other is cut to that line.
std::wstring morvane::FailureReason(long status, bool machineWide, Press press) {
    switch (status) {
    case ERROR_NO_UNICODE_TRANSLATION:
        return NotHeldReason(platform::CharactersNotHeld(Text(EnterText)),
                             Ruler(Control(CompletedMessage)));
    case ERROR_PATH_NOT_FOUND:
        return L"The key for this choice is missing: try another Windows.";
    // Windows NT/XP changes the user's own title, which comes first, but never removes the
    // machine's: only an administrator can.
    case ERROR_ACCESS_DENIED:
        if (!machineWide) return L"Access is denied: ask your administrator.";
        return press == Press::Change ? L"This needs an administrator, or choose Windows NT/XP."
                                      : L"This needs an administrator.";
    }
    return Ruler(Control(CompletedMessage)).CutToFit(platform::SystemErrorText(status));
}
