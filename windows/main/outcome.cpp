#include "windows/main/outcome.h"

#include <vector>

#include <windows.h>

#include "platform/ansi.h"
#include "platform/system_error.h"
#include "windows/main/browser_title.h"

using toolkit::LineFit;

namespace {

const wchar_t* const NoInternetExplorer =
    L"Windows 11 has no Internet Explorer:\r\nMicrosoft Edge shows its own title instead.";
const wchar_t* const NotReadBack =
    L"title could not be read back:\r\nopen Internet Explorer to see what it shows.";
const wchar_t* const ViewsDiffer = L"32-bit and 64-bit Internet Explorer differ:\r\n"
                                   L"choose Windows 95/98 or ME/2000 to set both alike.";

// The text as the browser puts it after a page's title, cut to the line.
std::wstring QuotedSuffix(const std::wstring& title, const LineFit& fit) {
    return fit.CutToFit(L"\" - " + title, L"\"");
}

// An empty title, quoted, would read as a lone hyphen.
std::wstring NamedTitle(const std::wstring& title, const LineFit& fit) {
    return title.empty() ? L"it is empty." : QuotedSuffix(title, fit);
}

// Names the characters refused, as many of them as fit on the line, a space between each two:
// distinct characters run together would read as a word.
std::wstring NotHeldReason(const std::wstring& characters, const LineFit& fit) {
    const std::vector<std::wstring> refused = platform::LegibleCharacters(characters);
    const std::wstring end = refused.size() == 1 ? L"\": leave it out." : L"\": leave them out.";
    std::wstring named;
    for (const std::wstring& character : refused)
        named += (named.empty() ? L"" : L" ") + character;
    for (std::size_t shown = refused.size(); shown > 0; --shown) {
        const std::wstring reason = L"This system cannot store \"" + named +
                                    (shown < refused.size() ? L"..." : L"") + end;
        if (fit.Fits(reason)) return reason;
        named.resize(named.size() - refused[shown - 1].size() - (shown > 1 ? 1 : 0));
    }
    return L"Leave out the characters this system cannot store.";
}

// The reason fits the second line and, for the failures a user meets, says what to do; the
// system's own text for any other is cut to that line.
std::wstring FailureReason(long status, bool machineWide, Press press, const std::wstring& title,
                           const LineFit& fit) {
    switch (status) {
    case ERROR_NO_UNICODE_TRANSLATION:
        return NotHeldReason(platform::CharactersNotHeld(title), fit);
    case ERROR_PATH_NOT_FOUND:
        return L"The key for this choice is missing: try another Windows.";
    // Windows NT/XP changes the user's own title, which comes first, but never removes the
    // machine's: only an administrator can.
    case ERROR_ACCESS_DENIED:
        if (!machineWide) return L"Access is denied: ask your administrator.";
        return press == Press::Change ? L"This needs an administrator, or choose Windows NT/XP."
                                      : L"This needs an administrator.";
    }
    return fit.CutToFit(platform::SystemErrorText(status));
}

// The choice whose title the browser shows: the user's own, or the machine's.
const wchar_t* ChoiceOf(const ShownTitle& shown) {
    return shown.source == TitleSource::User ? L"your Windows NT/XP title"
                                             : L"the Windows 95/98 or ME/2000 title";
}

Outcome OtherTitle(const std::wstring& lead, const ShownTitle& shown, const LineFit& fit) {
    const wchar_t* verb = shown.source == TitleSource::User ? L" comes first:" : L" shows:";
    return {lead + ChoiceOf(shown) + verb + L"\r\n" + NamedTitle(shown.text, fit),
            Ending::OtherShows};
}

// The 64-bit view, changed first, was changed and the 32-bit one refused: the 64-bit frame of
// Internet Explorer 10 and 11 shows the change. A new title of the user's own would reach both;
// the machine's own name takes an administrator.
Outcome PartialChange(long status, Press press, const LineFit& fit) {
    const wchar_t* advice =
        press == Press::Change ? L"choose Windows NT/XP." : L"ask an administrator.";
    const std::wstring reason = status == ERROR_ACCESS_DENIED
                                    ? std::wstring(L"access is denied; ") + advice
                                    : platform::SystemErrorText(status);
    return {L"Changed for 64-bit Internet Explorer only:\r\n" +
                fit.CutToFit(L"32-bit: " + reason),
            Ending::OtherShows};
}

}  // namespace

std::wstring CompletedText(const std::wstring& title, const LineFit& fit) {
    return L"Your Internet Explorer will now read: \r\n" + QuotedSuffix(title, fit);
}

// Says what the change did, and what the browser will really show: read back where another
// value may come first (a title written to the user's own key, read first, is the one shown),
// except on Windows 11, which has no such browser. A change that reached the 64-bit view alone
// is told as such, or, where the browser would not show it either, why not.
Outcome DescribeChange(const Registry::ViewsChanged& done, bool machineWide, Press press,
                       const std::wstring& title, const LineFit& fit) {
    const bool partial = done.status != ERROR_SUCCESS && done.changed > 0;
    if (done.status != ERROR_SUCCESS && !partial)
        return {L"Your Internet Explorer could not be changed: \r\n" +
                    FailureReason(done.status, machineWide, press, title, fit),
                Ending::Refused};
    const bool changed = done.changed > 0;
    const std::wstring lead = partial   ? L"Only 64-bit changed, but "
                              : changed ? L"Changed, but "
                                        : L"Nothing to remove; ";
    if (WindowsHasNoInternetExplorer()) {
        const wchar_t* verb = press == Press::Change ? L"Stored, but " : L"Removed, but ";
        return {(changed && !partial ? verb : lead) + NoInternetExplorer, Ending::OtherShows};
    }
    if (press == Press::Change && !machineWide) return {CompletedText(title, fit), Ending::Shown};
    const ShownTitle shown = TitleTheBrowserShows();
    if (partial && shown.source != TitleSource::User) return PartialChange(done.status, press, fit);
    switch (shown.source) {
    case TitleSource::Unreadable: return {lead + L"the " + NotReadBack, Ending::OtherShows};
    case TitleSource::ViewsDiffer: return {lead + ViewsDiffer, Ending::OtherShows};
    case TitleSource::OwnName: break;
    case TitleSource::User:
    case TitleSource::Machine:
        if (partial || shown.text != title) return OtherTitle(lead, shown, fit);
    }
    if (changed) return {CompletedText(title, fit), Ending::Shown};
    return {L"Nothing to remove; your Internet Explorer reads:\r\n" + QuotedSuffix(title, fit),
            Ending::Shown};
}

Outcome DescribeShownTitle(const LineFit& fit) {
    if (WindowsHasNoInternetExplorer()) return {NoInternetExplorer, Ending::OtherShows};
    const ShownTitle shown = TitleTheBrowserShows();
    const std::wstring lead = L"Your Internet Explorer reads ";
    switch (shown.source) {
    case TitleSource::Unreadable: return {L"The " + std::wstring(NotReadBack), Ending::OtherShows};
    case TitleSource::ViewsDiffer: return {ViewsDiffer, Ending::OtherShows};
    case TitleSource::User:
    case TitleSource::Machine:
        return {lead + ChoiceOf(shown) + L":\r\n" + NamedTitle(shown.text, fit), Ending::Shown};
    case TitleSource::OwnName: break;
    }
    return {lead + L"its own name:\r\n" + QuotedSuffix(BrowserOwnName(), fit), Ending::Shown};
}
