#include "windows/help/help_window.h"

#include "platform/accessibility.h"
#include "platform/dialing.h"
#include "toolkit/decimal.h"
#include "toolkit/message_box.h"
#include "windows/help/mirror_sites.h"

namespace {

using namespace toolkit;

const Colour MenuText = SystemColour(COLOR_MENUTEXT);
// Under high contrast the silver labels take the window's own menu colour, which the scheme
// pairs with their menu-text colour.
const Colour Silver = RgbColour(192, 192, 192, COLOR_MENU);
const Colour ConnectFace = RgbColour(224, 224, 224, COLOR_BTNFACE);
const FontDesign ArialLargeBold{L"Arial", 1425, FW_BOLD};

const FormDesign HelpDesign{
    L"HelpScreen",
    L"Morvane Help",
    5265, 3750,
    Border::FixedDialog,
    StartUpPosition::CentreOwner,
    COLOR_MENU,
    0,
    ArialRegular,
    {
        // name                        index    kind                        caption
        //     left  top   width height  tab  font            background   text      align
        //     options
        {HelpScreen::UnloadButton, NoIndex, ControlKind::CommandButton, L"&Close",
            {4080, 2880, 1095, 735}, 4, ArialBold, Unset, Unset, Align::Left, Cancel},
        {HelpScreen::InstructionsText, NoIndex, ControlKind::TextBox, Instructions().c_str(),
            {120, 840, 5055, 1515}, 0, WindowFont, Unset, Unset, Align::Left, MultiLine | ReadOnly},
        {HelpScreen::ConnectTo3, NoIndex, ControlKind::CommandButton, L"Connect",
            {3000, 3360, 975, 255}, 9, ArialBold, ConnectFace},
        {HelpScreen::ConnectTo2, NoIndex, ControlKind::CommandButton, L"Connect",
            {3000, 3120, 975, 255}, 10, ArialBold, ConnectFace},
        {HelpScreen::ConnectTo1, NoIndex, ControlKind::CommandButton, L"Connect",
            {3000, 2880, 975, 255}, 11, ArialBold, ConnectFace},
        {HelpScreen::Connect3Label, NoIndex, ControlKind::Label, mirror::Shown(3),
            {120, 3360, 2775, 255}, 8, ArialBold, Unset, MenuText, Align::Right},
        {HelpScreen::Connect2Label, NoIndex, ControlKind::Label, mirror::Shown(2),
            {120, 3120, 2775, 255}, 7, ArialBold, Unset, MenuText, Align::Right},
        {HelpScreen::Connect1Label, NoIndex, ControlKind::Label, mirror::Shown(1),
            {120, 2880, 2775, 255}, 6, ArialBold, Unset, MenuText, Align::Right},
        {HelpScreen::MainIcon, NoIndex, ControlKind::Image, L"",
            {4560, 120, 480, 480}, NoTabIndex},
        {HelpScreen::VisitLabel, NoIndex, ControlKind::Label,
            L"Please visit these mirror sites to evaluate other Selbrook Software.",
            {360, 2400, 4335, 495}, 5, ArialBold, Silver, MenuText, Align::Centre},
        {HelpScreen::CopyrightLabel, NoIndex, ControlKind::Label, L"Copyright",
            {240, 600, 3135, 375}, 2, ArialBold, Silver, MenuText},
        {HelpScreen::TitleLabel, NoIndex, ControlKind::Label, L"TitleLabel",
            {240, 120, 2895, 495}, 3, ArialLargeBold, Silver, MenuText},
        {HelpScreen::VersionLabel, NoIndex, ControlKind::Label, L"Version 1.0.0",
            {240, 420, 2895, 255}, 1, ArialBold, Silver, MenuText},
    },
};

}  // namespace

const std::wstring& Instructions() {
    static const std::wstring text =
        L"Morvane is a simple freeware program that changes the name on your Internet Explorer. "
        L"The default name is the browser's own name, \"Microsoft Internet Explorer\" on older "
        L"versions. I know that you have noticed this tacked on to your title bar regardless of "
        L"the web page that you visit.\r\n\r\n"
        L"Simply select the operating system that you are using and change the name to "
        L"\"Bill's Explorer\", \"Susan's World\" or anything else that you can imagine.\r\n\r\n"
        L"NOTE: Some Windows operating systems are a combination of different versions. You may "
        L"need to select a different version than you suspect for your title to appear. "
        L"Selecting the wrong one will do no harm.\r\n\r\n"
        L"Please visit one of my mirror sites at " + std::wstring(mirror::Shown(1)) + L", " +
        mirror::Shown(2) + L" or " + mirror::Shown(3) +
        L" to evaluate other Selbrook Software.\r\n\r\n"
        L"If you have any questions or comments, positive or negative, please e-mail me at " +
        mirror::ContactEmail + L".\r\n";
    return text;
}

std::wstring VersionCaption(const app::Version& version) {
    return L"Version " + Decimal(version.major) + L"." + Decimal(version.minor) +
           L"." + Decimal(version.revision);
}

HelpScreen::HelpScreen() : Form(HelpDesign) {}

void HelpScreen::OnLoad() {
    SetText(TitleLabel, app::Title);
    SetText(VersionLabel, VersionCaption(app::CurrentVersion));
    SetText(CopyrightLabel, app::CopyrightNotice());
    SetPicture(MainIcon, OwnerIconResource());
    // Each Connect button reads "Connect": a screen reader hears which site it opens instead.
    const int connectButtons[mirror::SiteCount] = {ConnectTo1, ConnectTo2, ConnectTo3};
    for (int site = 1; site <= mirror::SiteCount; ++site)
        platform::Accessibility::SetName(Control(connectButtons[site - 1]),
                                         L"Connect to " + std::wstring(mirror::Shown(site)));
}

// The Connect buttons' names go with the window.
void HelpScreen::OnUnload() { platform::Accessibility::ClearWithin(Window()); }

std::wstring ErrorPrompt(const Error& error) {
    const std::int32_t number = error.Number();
    return (number >= 0 ? L" " : L"") + Decimal(number) + L" : " + error.Description();
}

void HelpScreen::OnClick(int id) {
    switch (id) {
    case UnloadButton: Unload(); break;
    case ConnectTo1: ConnectTo(1); break;
    case ConnectTo2: ConnectTo(2); break;
    case ConnectTo3: ConnectTo(3); break;
    }
}

// Brings up the dial-up prompt, then opens the mirror site in the default browser. What the
// prompt or the browser make of it is theirs to show; only a failure to reach either service is
// reported here, and it closes the help window.
void HelpScreen::ConnectTo(int site) {
    WithErrorTrap(
        [site] {
            DWORD_PTR connectionNumber = 1;
            DialingModule::InternetDial(nullptr, L"1", DialingModule::InternetDialForcePrompt,
                                        &connectionNumber, 0);
            DialingModule::ShellExecuteA(nullptr, nullptr, mirror::Address(site).c_str(), nullptr,
                                         nullptr, SW_SHOWNORMAL);
        },
        [this](const Error& error) {
            ShowMessage(ErrorPrompt(error), MB_ICONSTOP | MB_OK, L"Error");
            Unload();
        });
}
