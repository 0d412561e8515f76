#pragma once

#include <string>

#include "toolkit/application.h"
#include "toolkit/error.h"
#include "toolkit/form.h"

// The help and about window, form "HelpScreen": instructions, the application's title, version,
// copyright and icon, and a Connect button for each of the maker's mirror sites.
class HelpScreen final : public toolkit::Form {
public:
    enum : int {
        UnloadButton = 300,
        InstructionsText,
        ConnectTo3,
        ConnectTo2,
        ConnectTo1,
        Connect3Label,
        Connect2Label,
        Connect1Label,
        MainIcon,
        VisitLabel,
        CopyrightLabel,
        TitleLabel,
        VersionLabel,
    };

    HelpScreen();

private:
    void OnLoad() override;
    void OnUnload() override;
    void OnClick(int id) override;
    void ConnectTo(int site);
};

// "Version 1.0.0": the numbers as plain decimal digits.
std::wstring VersionCaption(const app::Version& version);

// An error as the Connect buttons report it: " 53 : description", "-5 : description".
std::wstring ErrorPrompt(const toolkit::Error& error);

// The instructions the help window shows.
const std::wstring& Instructions();
