#include "registry/registry.h"

#include <optional>

#include "platform/ansi.h"
#include "platform/calls.h"
#include "toolkit/message_box.h"
#include "toolkit/owner.h"

namespace Registry {

HKEY RootKey = nullptr;
HKEY OpenedKey = nullptr;
LONG ScratchStatus = 0;

namespace {

struct RootKeyName {
    const wchar_t* name;
    HKEY handle;
};

constexpr std::wstring_view RootPrefix = L"HKEY_";

LONG CloseKey(HKEY key) { return platform::Live().RegCloseKey(key); }

// The opened key, closed on every way out of a write.
using KeyOwner = toolkit::Owner<HKEY, &CloseKey>;

bool IsWellFormed(std::wstring_view keyPath) {
    return keyPath.substr(0, RootPrefix.size()) == RootPrefix && keyPath.back() != L'\\';
}

void ShowFormatMessage(const std::wstring& keyPath) {
    toolkit::ShowMessage(L"Incorrect Format:\n\n" + keyPath, 0);
}

}  // namespace

HKEY RootKeyFromName(std::wstring_view name) {
    static const RootKeyName roots[] = {
        {L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
        {L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
        {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
        {L"HKEY_USERS", HKEY_USERS},
        {L"HKEY_PERFORMANCE_DATA", HKEY_PERFORMANCE_DATA},
        {L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
        {L"HKEY_DYN_DATA", HKEY_DYN_DATA},
    };
    for (const RootKeyName& root : roots)
        if (name == root.name) return root.handle;
    return nullptr;
}

void SplitKeyPath(std::wstring& keyPath, HKEY& rootKey) {
    const std::size_t backslash = keyPath.find(L'\\');
    ScratchStatus = backslash == std::wstring::npos ? 0 : static_cast<LONG>(backslash) + 1;

    if (keyPath.empty() || !IsWellFormed(keyPath)) {
        ShowFormatMessage(keyPath);
        rootKey = nullptr;
        return;
    }
    if (ScratchStatus == 0) {
        rootKey = RootKeyFromName(keyPath);
        keyPath.clear();
    } else {
        rootKey = RootKeyFromName(std::wstring_view(keyPath).substr(0, backslash));
        keyPath.erase(0, backslash + 1);
    }
}

LONG WriteStringValue(std::wstring& keyPath, const std::wstring& valueName,
                      const std::wstring& value) {
    SplitKeyPath(keyPath, RootKey);
    if (!RootKey) return ERROR_BAD_PATHNAME;

    // Everything is converted before the key is opened: a text the code page cannot hold
    // exactly is refused whole, and the value stored before stays as it was.
    const std::optional<std::string> subkey = platform::ToAnsi(keyPath);
    const std::optional<std::string> name = platform::ToAnsi(valueName);
    const std::optional<std::string> text = platform::ToAnsi(value);
    if (!subkey || !name || !text) return ScratchStatus = ERROR_NO_UNICODE_TRANSLATION;

    const platform::Calls& calls = platform::Live();
    HKEY opened = nullptr;
    ScratchStatus = calls.RegOpenKeyExA(RootKey, subkey->c_str(), 0, KEY_WRITE, &opened);
    if (ScratchStatus != ERROR_SUCCESS) return ScratchStatus;
    KeyOwner key(opened);
    OpenedKey = opened;

    // The stored size counts bytes, not characters, and includes the terminating NUL: a
    // double-byte code page needs two bytes for many characters.
    const LONG written = calls.RegSetValueExA(OpenedKey, name->c_str(), 0, REG_SZ,
                                              reinterpret_cast<const BYTE*>(text->c_str()),
                                              static_cast<DWORD>(text->size() + 1));
    ScratchStatus = written;
    ScratchStatus = CloseKey(key.release());
    return written;
}

}  // namespace Registry
