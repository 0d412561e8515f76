#pragma once

#include <string>

#include "toolkit/form.h"
#include "windows/main/browser_title.h"
#include "windows/main/outcome.h"

// The start-up window, form "morvane": the wanted title, the Windows family it is for, the
// confirmation, and the buttons that write the title, write the default, open help and exit.
class morvane final : public toolkit::Form {
public:
    // Control names; WindowsVersion is an array of three option buttons, index 0 to 2.
    enum : int {
        HelpButton = 100,
        WindowsVersion = 110,
        ExitButton = 120,
        DefaultButton,
        ChangeButton,
        EnterText,
        CompletedMessage,
        Label1,
    };

    morvane();

    // Shows how the browser's title bar will read with the text now in EnterText; a text too
    // long for the label's second line is cut there with "...".
    void ShowCompletedMessage();

private:
    void OnClick(int id) override;
    void OnUnload() override;
    void OnChangeButtonClick();
    void OnDefaultButtonClick();
    void OnHelpButtonClick();

    int SelectedFamily();
    void ShowOutcome(const Registry::ViewsChanged& done, int family, Press press);
    void ShowResult(const std::wstring& text);
};
