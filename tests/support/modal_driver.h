#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <windows.h>

// Runs test steps from inside a modal message loop: each step posted now runs when the loop
// that is running at the time dispatches it, in the order posted.
class ModalDriver {
public:
    ModalDriver();
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    void Post(std::function<void()> step);
    int StepsRun() const { return stepsRun_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::vector<std::function<void()>> steps_;
    int stepsRun_ = 0;
};
