#include "support/fake_platform.h"

#include <stdexcept>

#include <commctrl.h>
#include <oleacc.h>

#include "toolkit/text.h"

namespace {

FakePlatform* active = nullptr;

// Where the key lies: the 32-bit view of the machine's software under Software\Wow6432Node.
std::pair<HKEY, std::string> KeyPlace(const FakePlatform::Open& open) {
    const bool view32 = open.root == HKEY_LOCAL_MACHINE && (open.access & KEY_WOW64_32KEY);
    return {open.root, view32 ? "Software\\Wow6432Node" + open.subkey.substr(8) : open.subkey};
}

LSTATUS WINAPI FakeOpen(HKEY root, LPCSTR subkey, DWORD options, REGSAM access, PHKEY result) {
    active->opens.push_back({root, subkey ? subkey : "", options, access});
    active->order.push_back("open");
    const auto place = active->keyResults.find(KeyPlace(active->opens.back()));
    LONG status = place != active->keyResults.end() ? place->second : active->openResult;
    if (status == ERROR_SUCCESS && (access & KEY_SET_VALUE)) status = active->writeOpenResult;
    *result = status == ERROR_SUCCESS ? FakePlatform::OpenedKey : nullptr;
    return status;
}

// Where a value of this name lies under the key opened last.
FakePlatform::ValuePlace PlaceOf(const std::string& name) {
    const auto [root, subkey] = KeyPlace(active->opens.back());
    return {root, subkey, name};
}

LSTATUS WINAPI FakeSet(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                       DWORD size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    active->sets.push_back({key, name ? name : "", reserved, type, bytes, size});
    active->order.push_back("set");
    if (active->setResult == ERROR_SUCCESS)
        active->values[PlaceOf(name ? name : "")] = {type, toolkit::Widen(bytes)};
    return active->setResult;
}

LSTATUS WINAPI FakeQuery(HKEY, LPCWSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    active->order.push_back("query");
    if (active->queryResult != ERROR_SUCCESS) return active->queryResult;
    const auto found = active->values.find(PlaceOf(toolkit::Narrow(name ? name : L"")));
    if (found == active->values.end()) return ERROR_FILE_NOT_FOUND;
    std::wstring& text = found->second.data;
    const DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    *type = found->second.type;
    const bool fits = !data || *size >= bytes;
    if (data && fits) text.copy(reinterpret_cast<wchar_t*>(data), text.size());
    *size = bytes;
    if (active->growths-- > 0) text += L"++";
    return fits ? ERROR_SUCCESS : ERROR_MORE_DATA;
}

LSTATUS WINAPI FakeDelete(HKEY key, LPCSTR name) {
    active->deletes.push_back({key, name ? name : ""});
    active->order.push_back("delete");
    return active->values.erase(PlaceOf(name ? name : "")) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

// The fake registry is 64-bit Windows', with its two views, for the 32-bit tests too.
BOOL WINAPI FakeIsWow64Process(HANDLE, PBOOL wow64) { return *wow64 = TRUE; }

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

const HMODULE Wininet = reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x1000));
const HMODULE Shell32 = reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x2000));
const HMODULE Ole32 = reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x3000));
const HMODULE Kernel32 = reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x4000));
const HMODULE Oleacc = reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x5000));
const HMODULE Comctl32 = reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x6000));

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

HMODULE WINAPI FakeLoadLibrary(LPCWSTR path, HANDLE, DWORD flags) {
    active->loads.push_back({path, flags});
    active->order.push_back("load");
    const std::wstring file = path;
    if (!active->missingLibrary.empty() && EndsWith(file, L"\\" + active->missingLibrary))
        return nullptr;
    if (EndsWith(file, L"\\wininet.dll")) return Wininet;
    if (EndsWith(file, L"\\shell32.dll")) return Shell32;
    if (EndsWith(file, L"\\ole32.dll")) return Ole32;
    if (EndsWith(file, L"\\oleacc.dll")) return Oleacc;
    if (file == L"comctl32.dll" && active->missingLibrary != file) return Comctl32;  // by name
    return nullptr;
}

HMODULE WINAPI FakeGetModuleHandle(LPCWSTR name) {
    return name && std::wstring(name) == L"kernel32.dll" ? Kernel32 : nullptr;
}

BOOL WINAPI FakeSetDefaultDllDirectories(DWORD flags) {
    active->defaultDllDirectories.push_back(flags);
    active->order.push_back("default directories");
    return TRUE;
}

BOOL WINAPI FakeSetDllDirectory(LPCWSTR directory) {
    active->dllDirectories.push_back(directory ? directory : L"(null)");
    active->order.push_back("dll directory");
    return TRUE;
}

HRESULT WINAPI FakeCoInitializeEx(LPVOID, DWORD flags) {
    active->comInits.push_back(flags);
    active->order.push_back("com");
    return active->comResult;
}

HRESULT WINAPI FakeCoInitialize(LPVOID) {
    active->comInits.push_back(0x2);  // apartment-threaded, all that CoInitialize offers
    active->order.push_back("com");
    return active->comResult;
}

void WINAPI FakeCoUninitialize() {
    ++active->comUninits;
    active->order.push_back("com left");
}

// The accessibility service: records the properties set on windows.
class FakeAccPropServices final : public IAccPropServices {
public:
    HRESULT WINAPI QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return ++active->servicesHeld; }
    ULONG WINAPI Release() override { return --active->servicesHeld; }
    HRESULT WINAPI SetHwndProp(HWND window, DWORD object, DWORD child, MSAAPROPID property,
                               VARIANT value) override {
        active->annotations.push_back({window, object, child, property, value.vt, value.lVal, {}});
        return S_OK;
    }
    HRESULT WINAPI SetHwndPropStr(HWND window, DWORD object, DWORD child, MSAAPROPID property,
                                  LPCWSTR text) override {
        active->annotations.push_back({window, object, child, property, VT_BSTR, 0, text});
        return S_OK;
    }
    // The rest: not for this program.
    HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override { return E_FAIL; }
    HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                 AnnoScope) override { return E_FAIL; }
    HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override {
        return E_FAIL;
    }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                     AnnoScope) override { return E_FAIL; }
    HRESULT WINAPI ClearHwndProps(HWND window, DWORD object, DWORD child, const MSAAPROPID* ids,
                                  int count) override {
        for (FakePlatform::Annotation& set : active->annotations)
            for (int at = 0; at < count; ++at)
                set.cleared |= set.window == window && set.object == object &&
                               set.child == child && IsEqualGUID(ids[at], set.property);
        return S_OK;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override {
        return E_FAIL;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override {
        return E_FAIL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_FAIL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_FAIL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                      AnnoScope) override { return E_FAIL; }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override { return E_FAIL; }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override {
        return E_FAIL;
    }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override {
        return E_FAIL;
    }
};

HRESULT WINAPI FakeCoCreateInstance(REFCLSID objectClass, LPUNKNOWN outer, DWORD context,
                                    REFIID interfaceId, LPVOID* object) {
    static FakeAccPropServices service;
    *object = nullptr;
    active->order.push_back("service");
    if (objectClass != CLSID_AccPropServices || interfaceId != IID_IAccPropServices || outer ||
        context != CLSCTX_INPROC_SERVER)
        return E_INVALIDARG;
    if (FAILED(active->serviceResult)) return active->serviceResult;
    service.AddRef();
    *object = static_cast<IAccPropServices*>(&service);
    return S_OK;
}

DWORD WINAPI FakeDial(HWND parent, LPSTR connection, DWORD flags, DWORD_PTR* number,
                      DWORD reserved) {
    active->dials.push_back({parent, connection ? connection : "", flags,
                             number ? std::optional<DWORD_PTR>(*number) : std::nullopt, reserved});
    active->order.push_back("dial");
    if (number) *number = ~static_cast<DWORD_PTR>(0);  // all of it is the platform's to write
    return active->dialResult;
}

std::optional<std::string> Text(LPCSTR text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

HINSTANCE WINAPI FakeShellExecute(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                                  LPCSTR directory, INT showCommand) {
    active->shellOpens.push_back(
        {owner, Text(operation), Text(file), Text(parameters), Text(directory), showCommand});
    active->order.push_back("shell");
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

template <typename Function>
FARPROC AsProc(Function function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

BOOL Recorded(const char* call) {
    active->order.push_back(call);
    return TRUE;
}
HANDLE WINAPI FakeCreateActCtx(const ACTCTXW*) { return Recorded("context") ? Kernel32 : nullptr; }
BOOL WINAPI FakeActivateActCtx(HANDLE, ULONG_PTR*) { return Recorded("activate"); }
BOOL WINAPI FakeDeactivate(DWORD, ULONG_PTR) { return Recorded("deactivate"); }
BOOL WINAPI FakeInitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) {
    return Recorded(classes->dwICC == ICC_STANDARD_CLASSES ? "standard classes" : "others");
}

FARPROC WINAPI FakeGetProcAddress(HMODULE module, LPCSTR name) {
    active->lookups.push_back(name);
    active->order.push_back("lookup");
    const std::string entryPoint = name;
    if (active->missingEntryPoints.count(entryPoint)) return nullptr;
    if (module == Wininet && entryPoint == "InternetDial") return AsProc(&FakeDial);
    if (module == Shell32 && entryPoint == "ShellExecuteA") return AsProc(&FakeShellExecute);
    if (module == Ole32 && entryPoint == "CoInitializeEx") return AsProc(&FakeCoInitializeEx);
    if (module == Ole32 && entryPoint == "CoInitialize") return AsProc(&FakeCoInitialize);
    if (module == Ole32 && entryPoint == "CoUninitialize") return AsProc(&FakeCoUninitialize);
    if (module == Ole32 && entryPoint == "CoCreateInstance") return AsProc(&FakeCoCreateInstance);
    if (module == Kernel32 && entryPoint == "SetDefaultDllDirectories")
        return AsProc(&FakeSetDefaultDllDirectories);
    if (module == Kernel32 && entryPoint == "SetDllDirectoryW") return AsProc(&FakeSetDllDirectory);
    if (module == Kernel32 && entryPoint == "CreateActCtxW") return AsProc(&FakeCreateActCtx);
    if (module == Kernel32 && entryPoint == "ActivateActCtx") return AsProc(&FakeActivateActCtx);
    if (module == Kernel32 && entryPoint == "DeactivateActCtx") return AsProc(&FakeDeactivate);
    if (module == Comctl32 && entryPoint == "InitCommonControlsEx")
        return AsProc(&FakeInitCommonControlsEx);
    return nullptr;
}

BOOL WINAPI FakeFreeLibrary(HMODULE module) {
    active->frees.push_back(module);
    return TRUE;
}

template <typename Handle>
Handle Alive(Handle object) {
    if (object) active->drawingObjects.insert(object);
    return object;
}

HFONT WINAPI CountedCreateFont(int height, int width, int escapement, int orientation, int weight,
                               DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                               DWORD precision, DWORD clipPrecision, DWORD quality,
                               DWORD pitchAndFamily, LPCWSTR face) {
    return Alive(active->Real().CreateFontW(height, width, escapement, orientation, weight, italic,
                                            underline, strikeOut, charSet, precision,
                                            clipPrecision, quality, pitchAndFamily, face));
}

HBRUSH WINAPI CountedCreateSolidBrush(COLORREF colour) {
    return Alive(active->Real().CreateSolidBrush(colour));
}

HRGN WINAPI CountedCreateRectRgn(int left, int top, int right, int bottom) {
    return Alive(active->Real().CreateRectRgn(left, top, right, bottom));
}

HRGN WINAPI CountedCreateRectRgnIndirect(const RECT* rect) {
    return Alive(active->Real().CreateRectRgnIndirect(rect));
}

// A region given to a window is the window's to release.
int WINAPI CountedSetWindowRgn(HWND window, HRGN region, BOOL redraw) {
    const int result = active->Real().SetWindowRgn(window, region, redraw);
    if (result) active->drawingObjects.erase(region);
    return result;
}

BOOL WINAPI CountedDeleteObject(HGDIOBJ object) {
    active->drawingObjects.erase(object);
    return active->Real().DeleteObject(object);
}

BOOL WINAPI HighContrastOn(UINT action, UINT size, PVOID parameter, UINT flags) {
    if (action != SPI_GETHIGHCONTRAST)
        return active->Real().SystemParametersInfoW(action, size, parameter, flags);
    static_cast<HIGHCONTRASTW*>(parameter)->dwFlags = HCF_HIGHCONTRASTON;
    return TRUE;
}

template <const char* Name, typename Result, typename... Arguments>
Result WINAPI Unimplemented(Arguments...) {
    active->wideCalls.push_back(Name);
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return Result();
}

template <const char* Name, typename Result, typename... Arguments>
void FailAs9x(Result(WINAPI*& entry)(Arguments...)) {
    entry = &Unimplemented<Name, Result, Arguments...>;
}

}  // namespace

#define FAIL_AS_9X(table, entry)                  \
    do {                                          \
        static constexpr char name[] = #entry;    \
        FailAs9x<name>(table.entry);              \
    } while (false)

FakePlatform& FakePlatform::FailWideFormsAs9x() {
    toolkit::Calls& calls = toolkit::Live();
    FAIL_AS_9X(calls, CreateWindowExW);
    FAIL_AS_9X(calls, RegisterClassExW);
    FAIL_AS_9X(calls, GetClassInfoExW);
    FAIL_AS_9X(calls, DefDlgProcW);
    FAIL_AS_9X(calls, DefWindowProcW);
    FAIL_AS_9X(calls, GetMessageW);
    FAIL_AS_9X(calls, PeekMessageW);
    FAIL_AS_9X(calls, IsDialogMessageW);
    FAIL_AS_9X(calls, DispatchMessageW);
    FAIL_AS_9X(calls, SendMessageW);
    FAIL_AS_9X(calls, SetWindowTextW);
    FAIL_AS_9X(calls, GetWindowTextW);
    FAIL_AS_9X(calls, GetWindowTextLengthW);
    FAIL_AS_9X(calls, CreateFontW);
    FAIL_AS_9X(calls, SystemParametersInfoW);
    FAIL_AS_9X(calls, GetMonitorInfoW);
    platform::Calls& platformCalls = platform::Live();
    FAIL_AS_9X(platformCalls, GetModuleHandleW);
    FAIL_AS_9X(platformCalls, LoadLibraryExW);
    FAIL_AS_9X(platformCalls, GetSystemDirectoryW);
    FAIL_AS_9X(platformCalls, FormatMessageW);
    FAIL_AS_9X(platformCalls, RegQueryValueExW);
    return *this;
}

FakePlatform::FakePlatform() : saved_(platform::Live()), savedToolkit_(toolkit::Live()) {
    if (active) throw std::logic_error("one FakePlatform at a time");
    active = this;
}

FakePlatform::~FakePlatform() {
    platform::Live() = saved_;
    toolkit::Live() = savedToolkit_;
    active = nullptr;
}

FakePlatform& FakePlatform::FakeRegistry() {
    platform::Calls& calls = platform::Live();
    calls.RegOpenKeyExA = &FakeOpen;
    calls.RegSetValueExA = &FakeSet;
    calls.RegQueryValueExW = &FakeQuery;
    calls.IsWow64Process = &FakeIsWow64Process;
    calls.IsWow64Process2 = nullptr;
    calls.RegDeleteValueA = &FakeDelete;
    calls.RegCloseKey = &FakeClose;
    return *this;
}

FakePlatform& FakePlatform::FakeMessageBox() {
    toolkit::Live().MessageBoxW = &::FakeMessageBox;
    return *this;
}

FakePlatform& FakePlatform::FakeLibraries() {
    platform::Calls& calls = platform::Live();
    calls.GetModuleHandleW = &FakeGetModuleHandle;
    calls.LoadLibraryExW = &FakeLoadLibrary;
    calls.GetProcAddress = &FakeGetProcAddress;
    calls.FreeLibrary = &FakeFreeLibrary;
    return *this;
}

FakePlatform& FakePlatform::CountDrawingObjects() {
    toolkit::Calls& calls = toolkit::Live();
    calls.CreateFontW = &CountedCreateFont;
    calls.CreateSolidBrush = &CountedCreateSolidBrush;
    calls.CreateRectRgn = &CountedCreateRectRgn;
    calls.CreateRectRgnIndirect = &CountedCreateRectRgnIndirect;
    calls.SetWindowRgn = &CountedSetWindowRgn;
    calls.DeleteObject = &CountedDeleteObject;
    return *this;
}

FakePlatform& FakePlatform::HighContrast() {
    toolkit::Live().SystemParametersInfoW = &HighContrastOn;
    return *this;
}
