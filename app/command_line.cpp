#include "app/command_line.h"

#include <windows.h>

#include "platform/console.h"
#include "platform/library_search.h"
#include "toolkit/error.h"
#include "toolkit/message_box.h"
#include "windows/main/browser_title.h"
#include "windows/main/outcome.h"

namespace app {

namespace {

enum class Action { None, Title, Default, Show, Usage };

// What the command line asks for, or what is wrong with it.
struct Request {
    Action action = Action::None;
    std::wstring title;
    bool machine = false;
    std::wstring wrong;  // empty where nothing is
};

constexpr int WrongCommandLine = 3;

// Set out for a console's fixed-width lines and a message box's proportional ones alike: no
// indented line is long enough to wrap in the box.
const wchar_t* const Usage =
    L"Morvane changes the text Internet Explorer shows after every page title.\r\n"
    L"\r\n"
    L"morvane.exe /title TEXT\r\n"
    L"    Sets your own title (as Windows NT/XP).\r\n"
    L"morvane.exe /title TEXT /machine\r\n"
    L"    Sets every user's title (as Windows ME/2000):\r\n"
    L"    this needs an administrator.\r\n"
    L"morvane.exe /default [/machine]\r\n"
    L"    Removes it: the browser shows its own name.\r\n"
    L"morvane.exe /show\r\n"
    L"    Says which title Internet Explorer shows.\r\n"
    L"morvane.exe /?\r\n"
    L"    Shows this.\r\n"
    L"morvane.exe\r\n"
    L"    Opens the window.\r\n"
    L"\r\n"
    L"For example:\r\n"
    L"    morvane.exe /title \"Acme Corp\"\r\n"
    L"    morvane.exe /title \"Acme Corp\" /machine\r\n"
    L"    morvane.exe /default\r\n"
    L"    morvane.exe /default /machine\r\n"
    L"    morvane.exe /show\r\n"
    L"\r\n"
    L"Exit codes:\r\n"
    L"    0  done, and the browser shows it\r\n"
    L"    1  done, but another title shows, or none\r\n"
    L"    2  refused: nothing changed\r\n"
    L"    3  a wrong command line\r\n";

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t'; }

// A switch's name in lower case, without the "/" or "-" it begins with; empty for an argument
// that is no switch.
std::wstring SwitchName(const std::wstring& argument) {
    if (argument.size() < 2 || (argument[0] != L'/' && argument[0] != L'-')) return {};
    std::wstring name = argument.substr(1);
    for (wchar_t& c : name)
        if (c >= L'A' && c <= L'Z') c = c - L'A' + L'a';
    return name;
}

Action ActionNamed(const std::wstring& name) {
    if (name == L"title") return Action::Title;
    if (name == L"default") return Action::Default;
    if (name == L"show") return Action::Show;
    if (name == L"?") return Action::Usage;
    return Action::None;
}

bool IsOwnSwitch(const std::wstring& argument) {
    const std::wstring name = SwitchName(argument);
    return name == L"machine" || ActionNamed(name) != Action::None;
}

Request Parse(const std::vector<std::wstring>& arguments) {
    Request request;
    const auto wrong = [&request](std::wstring why) {
        request.wrong = std::move(why);
        return request;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring name = SwitchName(arguments[i]);
        if (name == L"machine") {
            request.machine = true;
            continue;
        }
        const Action action = ActionNamed(name);
        if (name.empty())
            return wrong(L"\"" + arguments[i] +
                         L"\" is no switch: put a title with spaces in quotes.");
        if (action == Action::None) return wrong(L"Unknown switch: " + arguments[i]);
        if (request.action != Action::None)
            return wrong(L"One action at a time: /title, /default, /show or /?.");
        request.action = action;
        if (action != Action::Title) continue;
        if (i + 1 == arguments.size() || IsOwnSwitch(arguments[i + 1]))
            return wrong(L"/title needs the text to show after it.");
        request.title = arguments[++i];
    }
    if (request.action == Action::None) return wrong(L"Say what to do: /title, /default or /show.");
    if (request.machine && request.action != Action::Title && request.action != Action::Default)
        return wrong(L"/machine goes with /title or /default.");
    return request;
}

// As the window's Windows NT/XP choice does, or with /machine its Windows ME/2000 one.
Outcome Change(const Request& request) {
    const toolkit::AnyLength anyLength;
    const wchar_t* key = request.machine ? IeMainKeyMachine : IeMainKeyUser;
    if (request.action == Action::Show) return DescribeShownTitle(anyLength);
    if (request.action == Action::Title)
        return DescribeChange(StoreTitle(key, request.title), request.machine, Press::Change,
                              request.title, anyLength);
    const Registry::ViewsChanged removed = RemoveTitle(key);
    const std::wstring shown = removed.status == ERROR_SUCCESS ? BrowserOwnName() : L"";
    return DescribeChange(removed, request.machine, Press::Default, shown, anyLength);
}

// The usage goes where the words go; where there is nowhere, a message box shows it.
int ShowUsage(const platform::TextOutput& output) {
    if (output.Exists()) {
        output.Write(Usage);
    } else {
        platform::LoadCommonControls();
        toolkit::ShowMessage(Usage, MB_ICONINFORMATION);
    }
    return 0;
}

// The arguments after the program's name, split as the Windows C runtime splits them: at white
// space outside double quotes, the quotes themselves left out; backslashes as they are, except
// before a double quote, where each two give one, and an odd one makes the quote a letter; two
// double quotes inside quotes give one.
std::vector<std::wstring> SplitArguments(std::wstring_view line) {
    // The program's name ends at its closing quote, or else at white space.
    std::size_t i = 0;
    if (!line.empty() && line[0] == L'"') i = std::min(line.find(L'"', 1), line.size());
    while (i < line.size() && !IsSpace(line[i])) ++i;
    std::vector<std::wstring> arguments;
    for (;;) {
        while (i < line.size() && IsSpace(line[i])) ++i;
        if (i == line.size()) return arguments;
        std::wstring argument;
        bool quoted = false;
        while (i < line.size() && (quoted || !IsSpace(line[i]))) {
            const std::size_t start = i;
            while (i < line.size() && line[i] == L'\\') ++i;
            const std::size_t backslashes = i - start;
            if (i == line.size() || line[i] != L'"') {
                argument.append(backslashes, L'\\');
                if (backslashes == 0) argument += line[i++];
                continue;
            }
            argument.append(backslashes / 2, L'\\');
            if (backslashes % 2 == 1)
                argument += L'"';
            else if (quoted && i + 1 < line.size() && line[i + 1] == L'"')
                argument += line[++i];
            else
                quoted = !quoted;
            ++i;
        }
        arguments.push_back(std::move(argument));
    }
}

int Run(const std::vector<std::wstring>& arguments, const platform::TextOutput& output) {
    const Request request = Parse(arguments);
    if (!request.wrong.empty()) {
        output.Write(request.wrong + L"\r\n\r\n" + Usage);
        return WrongCommandLine;
    }
    if (request.action == Action::Usage) return ShowUsage(output);
    const Outcome outcome = Change(request);
    output.Write(outcome.text + L"\r\n");
    return static_cast<int>(outcome.ending);
}

}  // namespace

std::optional<int> RunSwitches() noexcept {
    std::optional<platform::TextOutput> output;
    try {
        const std::vector<std::wstring> arguments = SplitArguments(platform::CommandLine());
        if (arguments.empty()) return std::nullopt;
        return Run(arguments, output.emplace());
    } catch (...) {
        try {
            if (output) output->Write(toolkit::DescribeUntrapped() + L"\r\n");
        } catch (...) {
        }
        return static_cast<int>(Ending::Refused);
    }
}

}  // namespace app
