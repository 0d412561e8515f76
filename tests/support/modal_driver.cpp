#include "support/modal_driver.h"

namespace {

constexpr UINT RunStep = WM_APP + 1;
constexpr const wchar_t* ClassName = L"MorvaneModalDriver";

}  // namespace

ModalDriver::ModalDriver() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &ModalDriver::WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ClassName;
    RegisterClassW(&windowClass);  // fails harmlessly once the class exists
    window_ = CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ModalDriver::~ModalDriver() { DestroyWindow(window_); }

void ModalDriver::Post(std::function<void()> step) {
    steps_.push_back(std::move(step));
    PostMessageW(window_, RunStep, steps_.size() - 1, 0);
}

LRESULT CALLBACK ModalDriver::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ModalDriver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != RunStep || !self) return DefWindowProcW(window, message, wParam, lParam);
    ++self->stepsRun_;
    self->steps_.at(wParam)();
    return 0;
}
