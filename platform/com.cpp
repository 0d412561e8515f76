#include "platform/com.h"

#include "platform/system_library.h"

namespace platform::Com {

namespace {

SystemLibrary ole32(L"ole32.dll");
BoundFunction<decltype(&::CoInitializeEx)> comInitializeEx(ole32, "CoInitializeEx");
BoundFunction<decltype(&::CoInitialize)> comInitialize(ole32, "CoInitialize");
BoundFunction<decltype(&::CoUninitialize)> comUninitialize(ole32, "CoUninitialize");
BoundFunction<decltype(&::CoCreateInstance)> createInstance(ole32, "CoCreateInstance");

enum class State { Outside, Inside, Refused };
State state = State::Outside;

}  // namespace

void Enter() {
    if (state != State::Outside) return;
    comUninitialize.Get();  // bound now, so that leaving cannot fail
    // Windows 95 without DCOM has CoInitialize alone, which enters the same apartment.
    const auto initializeEx = comInitializeEx.Find();
    const HRESULT result =
        initializeEx ? initializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                     : comInitialize.Get()(nullptr);
    state = SUCCEEDED(result) ? State::Inside : State::Refused;
}

HRESULT CreateInstance(REFCLSID objectClass, REFIID interfaceId, void** object) {
    return createInstance.Get()(objectClass, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object);
}

void Unbind() {
    // A successful Enter is balanced, S_FALSE included: COM counts every successful call.
    if (state == State::Inside) comUninitialize.Get()();
    state = State::Outside;
    comInitializeEx.Forget();
    comInitialize.Forget();
    comUninitialize.Forget();
    createInstance.Forget();
    ole32.Release();
}

}  // namespace platform::Com
