#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <windows.h>
#include <ole2.h>

#include "platform/calls.h"
#include "toolkit/calls.h"

// Stands in for the system calls while it lives: records every argument, answers with the
// results a test sets, and puts the real calls back when it goes.
class FakePlatform {
public:
    struct Open {
        HKEY root;
        std::string subkey;
        DWORD options;
        REGSAM access;
    };
    struct Set {
        HKEY key;
        std::string name;
        DWORD reserved;
        DWORD type;
        std::string data;  // exactly the bytes the size covers
        DWORD size;
    };
    struct Delete {
        HKEY key;
        std::string name;
    };
    // A value the fake registry holds, by its root, subkey and name. The 32-bit view of
    // HKEY_LOCAL_MACHINE\Software lies under Software\Wow6432Node, as in Windows' own.
    using ValuePlace = std::tuple<HKEY, std::string, std::string>;
    struct Stored {
        DWORD type;
        std::wstring data;  // as UTF-16, which an ANSI string becomes when set
    };
    struct Box {
        std::wstring text;
        std::wstring caption;
        UINT style;
    };

    struct Load {
        std::wstring path;
        DWORD flags;
    };
    struct Dial {
        HWND parent;
        std::string connection;
        DWORD flags;
        std::optional<DWORD_PTR> connectionNumber;  // its value when the call was made
        DWORD reserved;
    };
    struct ShellOpen {
        HWND owner;
        std::optional<std::string> operation;
        std::optional<std::string> file;
        std::optional<std::string> parameters;
        std::optional<std::string> directory;
        int showCommand;
    };

    // A property set through the accessibility service: a number or a text.
    struct Annotation {
        HWND window;
        DWORD object;
        DWORD child;
        GUID property;
        VARTYPE type;  // VT_I4 or VT_BSTR
        LONG number;
        std::wstring text;
        bool cleared = false;  // by the service's ClearHwndProps since
    };

    // The key handle the fake open hands out.
    static inline const HKEY OpenedKey = reinterpret_cast<HKEY>(static_cast<INT_PTR>(0x4d4f));

    FakePlatform();
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // Which calls a test wants faked; the others stay real.
    FakePlatform& FakeRegistry();
    FakePlatform& FakeMessageBox();
    // Stands in for wininet.dll, shell32.dll, ole32.dll and oleacc.dll (loading, binding and the
    // services the program calls, the accessibility service among them) and for kernel32's
    // library search settings.
    FakePlatform& FakeLibraries();
    // Lets the drawing objects be made for real, keeping count of those still alive.
    FakePlatform& CountDrawingObjects();
    std::size_t DrawingObjectsAlive() const { return drawingObjects.size(); }
    // Answers that a high-contrast scheme is on.
    FakePlatform& HighContrast();
    // Makes every wide function of both call tables (MessageBoxW, real there, aside) fail as the
    // 9x family's stubs do, recording its name in wideCalls.
    FakePlatform& FailWideFormsAs9x();

    // The real window-layer calls, which the counted drawing objects are made with.
    const toolkit::Calls& Real() const { return savedToolkit_; }

    LONG openResult = ERROR_SUCCESS;
    LONG setResult = ERROR_SUCCESS;
    LONG closeResult = ERROR_SUCCESS;
    LONG queryResult = ERROR_SUCCESS;  // any other answers every query
    // What opening these keys answers instead, by root and subkey as values are.
    std::map<std::pair<HKEY, std::string>, LONG> keyResults;
    LONG writeOpenResult = ERROR_SUCCESS;  // any other answers an open for writing, read ones go on
    int growths = 0;  // queries after which the value read grows by two characters each

    std::vector<Open> opens;
    std::vector<Set> sets;
    std::vector<HKEY> closes;
    std::vector<Delete> deletes;
    std::map<ValuePlace, Stored> values;  // what a set stores, a delete removes, a query reads
    std::vector<Box> boxes;

    std::wstring missingLibrary;   // a file name whose load fails
    std::set<std::string> missingEntryPoints;
    DWORD dialResult = ERROR_SUCCESS;
    HRESULT comResult = S_OK;
    std::vector<Load> loads;
    std::vector<std::string> lookups;
    std::vector<HMODULE> frees;
    std::vector<Dial> dials;
    std::vector<ShellOpen> shellOpens;
    std::vector<DWORD> comInits;  // the concurrency flags of each CoInitializeEx or CoInitialize
    int comUninits = 0;
    HRESULT serviceResult = S_OK;  // what making the accessibility service answers
    std::vector<Annotation> annotations;
    int servicesHeld = 0;  // made and not yet released
    std::vector<DWORD> defaultDllDirectories;
    std::vector<std::wstring> dllDirectories;
    std::set<HGDIOBJ> drawingObjects;
    std::vector<std::string> order;  // call names in the order they came
    std::vector<std::string> wideCalls;

private:
    platform::Calls saved_;
    toolkit::Calls savedToolkit_;
};
