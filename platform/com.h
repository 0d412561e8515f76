#pragma once

#include <objbase.h>

// COM on the program's one thread, through ole32.dll bound at run time (see system_library.h),
// for the shell's open and the accessibility service. Neither is needed at start-up, so COM is
// entered on the first use, not before.
namespace platform::Com {

// Enters COM, apartment-threaded, once. Should COM refuse (the thread already in another
// apartment, say), it is not asked again and the caller goes ahead all the same.
void Enter();

// ole32.dll's CoCreateInstance, for a server within the process.
HRESULT CreateInstance(REFCLSID objectClass, REFIID interfaceId, void** object);

// Leaves COM if Enter entered it, forgets the bound functions and releases ole32.dll; the
// program itself never does (COM, like the libraries, stays until the process ends).
void Unbind();

}  // namespace platform::Com
