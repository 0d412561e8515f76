#include "platform/accessibility.h"

#include <vector>

#include <ole2.h>
// The service's own class, interface and property identifiers are defined here, where they are
// used: oleacc.dll has no import library of ours.
#include <initguid.h>
#include <oleacc.h>

#include "platform/com.h"
#include "platform/system_library.h"
#include "toolkit/calls.h"
#include "toolkit/error.h"

namespace platform::Accessibility {

namespace {

// The UI Automation property that makes an element a live region, and its polite setting; the
// event that announces a live region's change. Windows 8 and later know them; the headers for
// the Windows this program also runs on do not.
const MSAAPROPID LiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG Polite = 1;
constexpr DWORD LiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED

// Loaded by its full path before COM looks for the service, so that COM, and whatever loads
// "oleacc.dll" by name once a screen reader asks, find the system's own copy already in place.
SystemLibrary oleacc(L"oleacc.dll");

// The accessibility service, made on first use and kept, as its library is, until the program
// ends: making it for every change would cost more than the change itself. Null where the
// system cannot make it, which is not asked again.
IAccPropServices* service = nullptr;
bool serviceSought = false;

IAccPropServices* Service() {
    if (serviceSought) return service;
    serviceSought = true;
    toolkit::WithErrorTrap(
        [] {
            oleacc.Load();
            Com::Enter();
            void* made = nullptr;
            if (SUCCEEDED(Com::CreateInstance(CLSID_AccPropServices, IID_IAccPropServices, &made)))
                service = static_cast<IAccPropServices*>(made);
        },
        [](const toolkit::Error&) {});  // a library or entry point the system lacks
    return service;
}

// The properties set through the service, each on a control, until that control's window goes.
struct Annotation {
    HWND control;
    MSAAPROPID property;
};
std::vector<Annotation> annotations;

// Notes the property as set on the control; false where it already was.
bool Note(HWND control, const MSAAPROPID& property) {
    for (const Annotation& annotation : annotations)
        if (annotation.control == control && IsEqualGUID(annotation.property, property))
            return false;
    annotations.push_back({control, property});
    return true;
}

}  // namespace

void AnnounceChange(HWND control) {
    // The live setting never changes: set once, it holds for every later change.
    IAccPropServices* const accessibility = Service();
    if (accessibility && Note(control, LiveSettingProperty)) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = Polite;
        accessibility->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   LiveSettingProperty, polite);
    }
    // Windows 95 has no such events without the accessibility add-on.
    if (const auto notify = toolkit::Live().NotifyWinEvent)
        notify(LiveRegionChanged, control, OBJID_CLIENT, CHILDID_SELF);
}

void SetName(HWND control, const std::wstring& name) {
    IAccPropServices* const accessibility = Service();
    if (!accessibility) return;
    Note(control, PROPID_ACC_NAME);
    accessibility->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  PROPID_ACC_NAME, name.c_str());
}

// Each note was made with the service in hand: it is there to clear what was noted.
void ClearWithin(HWND window) {
    for (auto annotation = annotations.begin(); annotation != annotations.end();) {
        if (!IsChild(window, annotation->control)) {
            ++annotation;
            continue;
        }
        service->ClearHwndProps(annotation->control, static_cast<DWORD>(OBJID_CLIENT),
                                CHILDID_SELF, &annotation->property, 1);
        annotation = annotations.erase(annotation);
    }
}

// The properties go with the service that held them.
void Unbind() {
    if (service) service->Release();
    service = nullptr;
    serviceSought = false;
    annotations.clear();
    oleacc.Release();
}

}  // namespace platform::Accessibility
