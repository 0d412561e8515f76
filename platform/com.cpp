#include "platform/com.h"

#include "platform/system_library.h"

namespace platform::Com {

namespace {

SystemLibrary ole32(L"ole32.dll");
BoundFunction<decltype(&::CoInitializeEx)> comInitialize(ole32, "CoInitializeEx");
BoundFunction<decltype(&::CoUninitialize)> comUninitialize(ole32, "CoUninitialize");
BoundFunction<decltype(&::CoCreateInstance)> createInstance(ole32, "CoCreateInstance");

enum class State { Outside, Inside, Refused };
State state = State::Outside;

}  // namespace

void Enter() {
    if (state != State::Outside) return;
    comUninitialize.Get();  // bound now, so that leaving cannot fail
    const HRESULT result =
        comInitialize.Get()(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    state = SUCCEEDED(result) ? State::Inside : State::Refused;
}

HRESULT CreateInstance(REFCLSID objectClass, REFIID interfaceId, void** object) {
    return createInstance.Get()(objectClass, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object);
}

void Unbind() {
    // A successful Enter is balanced, S_FALSE included: COM counts every successful call.
    if (state == State::Inside) comUninitialize.Get()();
    state = State::Outside;
    comInitialize.Forget();
    comUninitialize.Forget();
    createInstance.Forget();
    ole32.Release();
}

}  // namespace platform::Com
