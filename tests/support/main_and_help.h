#pragma once

#include <gtest/gtest.h>

#include "support/modal_driver.h"
#include "toolkit/form.h"
#include "windows/help/help_window.h"
#include "windows/main/main_window.h"

// The program's two default windows as a user meets them: the main window shown, and the help
// window opened by its Help button. Steps posted to the driver run inside the help window's
// modal loop; both windows are unloaded after each test.
class MainAndHelpTest : public testing::Test {
protected:
    morvane& main = toolkit::DefaultInstance<morvane>();
    HelpScreen& help = toolkit::DefaultInstance<HelpScreen>();
    ModalDriver driver;

    void SetUp() override {
        main.Show();
        toolkit::PumpPendingMessages();
    }
    void TearDown() override {
        help.Unload();
        main.Unload();
        toolkit::PumpPendingMessages();
    }

    HWND HelpControl(int id) { return GetDlgItem(help.Window(), id); }

    // Presses Help; returns once the help window has been closed again.
    void PressHelp() { SendMessageW(main.Control(morvane::HelpButton), BM_CLICK, 0, 0); }
};
