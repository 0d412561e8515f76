#pragma once

#include <string>

#include "toolkit/form.h"

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

    // Shows how the browser's title bar will read with the text now in EnterText.
    void ShowCompletedMessage();

private:
    void OnClick(int id) override;
    void OnChangeButtonClick();
    void OnDefaultButtonClick();
    void OnHelpButtonClick();
    void ShowWriteFailure(long status, bool machineWide);
    std::wstring FailureReason(long status, bool machineWide);
};

// The registry keys the title goes under, and the value it is stored as.
inline constexpr const wchar_t* IeMainKeyMachine =
    L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr const wchar_t* IeMainKeyUser =
    L"HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr const wchar_t* WindowTitleValue = L"Window Title";
inline constexpr const wchar_t* DefaultTitle = L"Microsoft Internet Explorer";
