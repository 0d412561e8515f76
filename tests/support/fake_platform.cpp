#include "support/fake_platform.h"

#include <stdexcept>

namespace {

FakePlatform* active = nullptr;

LSTATUS WINAPI FakeOpen(HKEY root, LPCSTR subkey, DWORD options, REGSAM access, PHKEY result) {
    active->opens.push_back({root, subkey ? subkey : "", options, access});
    active->order.push_back("open");
    *result = active->openResult == ERROR_SUCCESS ? FakePlatform::OpenedKey : nullptr;
    return active->openResult;
}

LSTATUS WINAPI FakeSet(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                       DWORD size) {
    active->sets.push_back({key, name ? name : "", reserved, type,
                            std::string(reinterpret_cast<const char*>(data), size), size});
    active->order.push_back("set");
    return active->setResult;
}

LSTATUS WINAPI FakeClose(HKEY key) {
    active->closes.push_back(key);
    active->order.push_back("close");
    return active->closeResult;
}

int WINAPI FakeMessageBox(HWND, LPCWSTR text, LPCWSTR caption, UINT style) {
    active->boxes.push_back({text ? text : L"", caption ? caption : L"", style});
    active->order.push_back("box");
    return IDOK;
}

}  // namespace

FakePlatform::FakePlatform() : saved_(platform::Live()) {
    if (active) throw std::logic_error("one FakePlatform at a time");
    active = this;
}

FakePlatform::~FakePlatform() {
    platform::Live() = saved_;
    active = nullptr;
}

FakePlatform& FakePlatform::FakeRegistry() {
    platform::Calls& calls = platform::Live();
    calls.RegOpenKeyExA = &FakeOpen;
    calls.RegSetValueExA = &FakeSet;
    calls.RegCloseKey = &FakeClose;
    return *this;
}

FakePlatform& FakePlatform::FakeMessageBox() {
    platform::Live().MessageBoxW = &::FakeMessageBox;
    return *this;
}
