#pragma once

#include <string>
#include <string_view>

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

// Each call below takes the registry view to open the key in: 0 for the program's own, or
// KEY_WOW64_64KEY or KEY_WOW64_32KEY on 64-bit Windows.

// Writes value as the string value valueName under the key the path names; the key is opened,
// never created. keyPath is left holding its subkey part. Returns ERROR_SUCCESS when the value
// was written, otherwise the reason it was not: ERROR_NO_UNICODE_TRANSLATION, with nothing
// opened or written, when the system's code page cannot hold the text exactly.
LONG WriteStringValue(std::wstring& keyPath, const std::wstring& valueName,
                      const std::wstring& value, REGSAM view = 0);

// Removes the value valueName from the key the path names; the key is opened, never created.
// ERROR_SUCCESS also when there was no such value: it is gone either way.
LONG DeleteValue(std::wstring& keyPath, const std::wstring& valueName, REGSAM view = 0);

// Reads the string value valueName into text, exactly as stored (UTF-16, except on the 9x
// family). ERROR_PATH_NOT_FOUND where the key is missing, ERROR_FILE_NOT_FOUND where the value
// is, ERROR_UNSUPPORTED_TYPE where the value is there but not a string.
LONG ReadStringValue(std::wstring& keyPath, const std::wstring& valueName, std::wstring& text,
                     REGSAM view = 0);

}  // namespace Registry
