#include "platform/dialing.h"

#include <optional>

#include <objbase.h>
#include <shellapi.h>
#include <wininet.h>
// wininet.h maps InternetDial to its wide-character twin; here the name is this module's own.
#undef InternetDial

#include "platform/ansi.h"
#include "platform/calls.h"
#include "toolkit/error.h"
#include "toolkit/owner.h"

static_assert(DialingModule::InternetDialForcePrompt == INTERNET_DIAL_FORCE_PROMPT);

namespace DialingModule {

namespace {

void ReleaseLibrary(HMODULE module) { platform::Live().FreeLibrary(module); }
using ModuleOwner = toolkit::Owner<HMODULE, &ReleaseLibrary>;

std::wstring SystemDirectory() {
    wchar_t directory[MAX_PATH] = {};
    const UINT length = platform::Live().GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) toolkit::Raise(toolkit::ErrorNumber::FileNotFound);
    return std::wstring(directory, length);
}

// A library of the system's own, loaded by its full path in the system directory and never by
// a bare name: a DLL of the same name planted beside the program (in a Downloads folder, say)
// must never be loaded. The altered search path looks for its own dependencies there too.
class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* fileName) : fileName_(fileName) {}

    // The function, or null where the library lacks it.
    FARPROC Find(const char* entryPoint) {
        if (!module_) Load();
        return platform::Live().GetProcAddress(module_.get(), entryPoint);
    }

    FARPROC Function(const char* entryPoint) {
        const FARPROC function = Find(entryPoint);
        if (!function) {
            const std::string name = entryPoint;
            toolkit::Raise(toolkit::ErrorNumber::EntryPointNotFound,
                           std::wstring(name.begin(), name.end()) + L" in " + fileName_);
        }
        return function;
    }

    void Release() { module_.reset(); }

private:
    void Load() {
        const std::wstring path = SystemDirectory() + L"\\" + fileName_;
        module_.reset(platform::Live().LoadLibraryExW(path.c_str(), nullptr,
                                                      LOAD_WITH_ALTERED_SEARCH_PATH));
        if (!module_) toolkit::Raise(toolkit::ErrorNumber::FileNotFound, path);
    }

    const wchar_t* fileName_;
    ModuleOwner module_;
};

// One function of a system library, bound on its first use.
template <typename Function>
class BoundFunction {
public:
    BoundFunction(SystemLibrary& library, const char* entryPoint)
        : library_(library), entryPoint_(entryPoint) {}

    Function Get() {
        if (!function_) function_ = platform::As<Function>(library_.Function(entryPoint_));
        return function_;
    }

    // The function, or null where its library lacks it.
    Function Find() {
        if (!function_) function_ = platform::As<Function>(library_.Find(entryPoint_));
        return function_;
    }

    void Forget() { function_ = nullptr; }

private:
    SystemLibrary& library_;
    const char* entryPoint_;
    Function function_ = nullptr;
};

SystemLibrary wininet(L"wininet.dll");
SystemLibrary shell32(L"shell32.dll");
SystemLibrary ole32(L"ole32.dll");

// The entry point "InternetDial" writes a pointer-sized connection number, as InternetDialA
// declares it; its older declaration's DWORD would be overrun on 64-bit Windows.
BoundFunction<decltype(&::InternetDialA)> internetDial(wininet, "InternetDial");
BoundFunction<decltype(&::ShellExecuteA)> shellExecute(shell32, "ShellExecuteA");
BoundFunction<decltype(&::CoInitializeEx)> comInitializeEx(ole32, "CoInitializeEx");
BoundFunction<decltype(&::CoInitialize)> comInitialize(ole32, "CoInitialize");
BoundFunction<decltype(&::CoUninitialize)> comUninitialize(ole32, "CoUninitialize");

// COM on the program's one thread, which ShellExecute asks for because a shell extension may
// carry out the verb. Entered once, on the first open rather than at start-up. Should COM
// refuse (the thread already in another apartment, say), the open goes ahead all the same, as
// it did before COM was asked for: the shell opens a web address without COM on most systems,
// and the user is better served by the attempt than by an error. It is not asked again. COM is
// left when the libraries are released: by Unbind, or as the program ends.
class Apartment {
public:
    Apartment() = default;
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
    ~Apartment() { Leave(); }

    void Enter() {
        if (state_ != State::Outside) return;
        comUninitialize.Get();  // bound now, so that leaving cannot fail
        // Windows 95 without DCOM has CoInitialize alone, which enters the same apartment.
        const auto initializeEx = comInitializeEx.Find();
        const HRESULT result =
            initializeEx ? initializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                         : comInitialize.Get()(nullptr);
        state_ = SUCCEEDED(result) ? State::Inside : State::Refused;
    }

    // Balances a successful Enter (S_FALSE included: COM counts every successful call).
    void Leave() {
        if (state_ == State::Inside) comUninitialize.Get()();
        state_ = State::Outside;
    }

private:
    enum class State { Outside, Inside, Refused };
    State state_ = State::Outside;
};

// Declared after the libraries, so that as the program ends COM is left before they go.
Apartment apartment;

std::optional<std::string> AnsiOrNothing(const wchar_t* text) {
    if (!text) return std::nullopt;
    return platform::ToAnsiOrRaise(text);
}

const char* PointerTo(const std::optional<std::string>& text) {
    return text ? text->c_str() : nullptr;
}

}  // namespace

DWORD InternetDial(HWND parent, const std::wstring& connection, DWORD flags,
                   DWORD_PTR* connectionNumber, DWORD reserved) {
    const auto dial = internetDial.Get();
    std::string name = platform::ToAnsiOrRaise(connection);
    return dial(parent, name.data(), flags, connectionNumber, reserved);
}

HINSTANCE ShellExecuteA(HWND owner, const wchar_t* operation, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* directory, int showCommand) {
    const auto open = shellExecute.Get();
    apartment.Enter();
    const auto ansiOperation = AnsiOrNothing(operation);
    const auto ansiFile = AnsiOrNothing(file);
    const auto ansiParameters = AnsiOrNothing(parameters);
    const auto ansiDirectory = AnsiOrNothing(directory);
    return open(owner, PointerTo(ansiOperation), PointerTo(ansiFile), PointerTo(ansiParameters),
                PointerTo(ansiDirectory), showCommand);
}

void Unbind() {
    apartment.Leave();
    internetDial.Forget();
    shellExecute.Forget();
    comInitializeEx.Forget();
    comInitialize.Forget();
    comUninitialize.Forget();
    wininet.Release();
    shell32.Release();
    ole32.Release();
}

}  // namespace DialingModule
