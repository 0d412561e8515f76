#pragma once

#include <windows.h>

#include "platform/calls.h"
#include "toolkit/owner.h"

namespace platform {

// A library of the system's own, loaded by its full path in the system directory and never by
// a bare name: a DLL of the same name planted beside the program (in a Downloads folder, say)
// must never be loaded. The altered search path looks for its own dependencies there too.
// Loaded on first use and kept until the program ends: a library may leave a thread of its own
// running (the shell's, after an open), which would fault in unloaded code. Release is for tests.
class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* fileName) : fileName_(fileName) {}
    ~SystemLibrary() { module_.release(); }  // left loaded: see above

    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // Loads the library if it is not yet loaded; raises error 53 when it cannot be.
    void Load();
    // One of its functions, or null where the library lacks it; raises error 53 when the
    // library cannot be loaded.
    FARPROC Find(const char* entryPoint);
    // The same, raising error 453 for a missing entry point.
    FARPROC Function(const char* entryPoint);
    void Release() { module_.reset(); }

private:
    static void Free(HMODULE module) { Live().FreeLibrary(module); }

    const wchar_t* fileName_;
    toolkit::Owner<HMODULE, &Free> module_;
};

// One function of a system library, bound on its first use.
template <typename Function>
class BoundFunction {
public:
    BoundFunction(SystemLibrary& library, const char* entryPoint)
        : library_(library), entryPoint_(entryPoint) {}

    Function Get() {
        if (!function_) function_ = As<Function>(library_.Function(entryPoint_));
        return function_;
    }

    // The function, or null where its library lacks it.
    Function Find() {
        if (!function_) function_ = As<Function>(library_.Find(entryPoint_));
        return function_;
    }

    void Forget() { function_ = nullptr; }

private:
    SystemLibrary& library_;
    const char* entryPoint_;
    Function function_ = nullptr;
};

}  // namespace platform
