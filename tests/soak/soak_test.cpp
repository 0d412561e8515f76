#include <gtest/gtest.h>

#include <cstdio>

#include <windows.h>
#include <psapi.h>

#include "support/fake_platform.h"
#include "support/main_and_help.h"
#include "support/window_probe.h"
#include "toolkit/decimal.h"

// One program left open for a long time: 500 openings of the help window and 1,000 title
// changes must leave its memory, its windows and its drawing objects where they were.
namespace {

struct Reading {
    SIZE_T privateBytes;
    std::size_t drawingObjects;
    int windows;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, [](HWND, LPARAM inner) {
        ++*reinterpret_cast<int*>(inner);
        return TRUE;
    }, count);
    return TRUE;
}

int WindowsOfThisThread() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The process's committed private memory (PrivateUsage reads 0 under Wine; this does not).
SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(),
                         reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    return counters.PagefileUsage;
}

class SoakTest : public MainAndHelpTest {
protected:
    FakePlatform counting;
    int titles = 0;

    void SetUp() override {
        counting.CountDrawingObjects();
        MainAndHelpTest::SetUp();
    }

    void OpenAndCloseHelp(int times) {
        for (int cycle = 0; cycle < times; ++cycle) {
            driver.Post([this] { help.Unload(); });
            PressHelp();
        }
    }
    void ChangeTitle(int times) {
        for (int change = 0; change < times; ++change) {
            const std::wstring text = L"Soak " + toolkit::Decimal(++titles);
            SetWindowTextW(main.Control(morvane::EnterText), text.c_str());
            SendMessageW(main.Control(morvane::ChangeButton), BM_CLICK, 0, 0);
        }
        toolkit::PumpPendingMessages();
    }
    Reading Read() { return {PrivateBytes(), counting.DrawingObjectsAlive(), WindowsOfThisThread()}; }
};

TEST_F(SoakTest, FiveHundredHelpWindowsAndAThousandTitleChangesLeaveNothingBehind) {
    OpenAndCloseHelp(100);
    ChangeTitle(200);
    const Reading early = Read();

    OpenAndCloseHelp(400);
    ChangeTitle(800);
    const Reading late = Read();

    std::printf("private memory %zu KiB after the first 100 help windows, %zu KiB at the end\n",
                static_cast<std::size_t>(early.privateBytes / 1024),
                static_cast<std::size_t>(late.privateBytes / 1024));
    EXPECT_EQ(driver.StepsRun(), 500);
    EXPECT_FALSE(help.IsLoaded());
    EXPECT_LE(late.privateBytes, early.privateBytes + 1024 * 1024)
        << "grew by " << (late.privateBytes - early.privateBytes) << " bytes";
    EXPECT_EQ(late.drawingObjects, early.drawingObjects);
    EXPECT_EQ(late.windows, early.windows);

    // Still responding, and still writing.
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(main.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0);
    EXPECT_EQ(probe::Text(main.Control(morvane::CompletedMessage)),
              L"Your Internet Explorer will now read: \r\n\" - Soak 1000\"");

    // With every window gone, so is every drawing object the windows made.
    main.Unload();
    EXPECT_EQ(counting.DrawingObjectsAlive(), 0u);
}

}  // namespace
