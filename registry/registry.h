#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

// The only code that touches the registry: writes, removes or reads one string value under a
// key named by its full textual path, such as
// "HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Main".
namespace Registry {

// The module's state, kept for the life of the process and overwritten by every call.
extern HKEY RootKey;        // the root of the most recent split; nullptr: no root
extern HKEY OpenedKey;      // the key the most recent call opened
extern LONG ScratchStatus;  // the backslash position during a split, then each call's status

// The predefined root key of that exact (case-sensitive) name, or nullptr.
HKEY RootKeyFromName(std::wstring_view name);

// Checks the path's form; a malformed one is shown in a message box and leaves rootKey null.
// Otherwise keyPath becomes its subkey part and rootKey its root (null for an unknown name).
void SplitKeyPath(std::wstring& keyPath, HKEY& rootKey);

// The next three calls take the registry view to open the key in: 0 for the program's own, or
// KEY_WOW64_64KEY or KEY_WOW64_32KEY on 64-bit Windows. The key is opened, never created: each
// call says ERROR_PATH_NOT_FOUND where it is missing.

// Writes value as the string value valueName under the key the path names. keyPath is left
// holding its subkey part. Returns ERROR_SUCCESS when the value was written, otherwise the
// reason it was not: ERROR_NO_UNICODE_TRANSLATION, with nothing opened or written, when the
// system's code page cannot hold the text exactly.
LONG WriteStringValue(std::wstring& keyPath, const std::wstring& valueName,
                      const std::wstring& value, REGSAM view = 0);

// Removes the value valueName from the key the path names; ERROR_FILE_NOT_FOUND where there
// was no such value to remove, also where the key may be read but not written.
LONG DeleteValue(std::wstring& keyPath, const std::wstring& valueName, REGSAM view = 0);

// Reads the string value valueName into text, exactly as stored (UTF-16, except on the 9x
// family). ERROR_FILE_NOT_FOUND where the value is missing, ERROR_UNSUPPORTED_TYPE where it is
// there but not a string.
LONG ReadStringValue(std::wstring& keyPath, const std::wstring& valueName, std::wstring& text,
                     REGSAM view = 0);

// On 64-bit Windows HKEY_LOCAL_MACHINE\Software has two registry views, a 64-bit and a 32-bit
// one, each read by the programs of that size; elsewhere a key has one. The calls below work in
// each view that holds the key, the 64-bit one first, and skip a view without it.

// What a change in every view did: ERROR_SUCCESS, or the failure that stopped it at the first
// view that failed (ERROR_PATH_NOT_FOUND where no view holds the key); and in how many views a
// value was written or removed, all before any failure.
struct ViewsChanged {
    LONG status;
    int changed;
};
ViewsChanged WriteInEveryView(const std::wstring& keyPath, const std::wstring& valueName,
                              const std::wstring& value);
// A view without the value has nothing to remove and counts as done, not as changed.
ViewsChanged DeleteInEveryView(const std::wstring& keyPath, const std::wstring& valueName);

// The value as ReadStringValue reads it in each view that holds the key, in the views' order;
// none where no view does.
struct ValueRead {
    LONG status;
    std::wstring text;
};
std::vector<ValueRead> ReadInEveryView(const std::wstring& keyPath, const std::wstring& valueName);

}  // namespace Registry
