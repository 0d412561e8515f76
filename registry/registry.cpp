#include "registry/registry.h"

#include <algorithm>
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

// Splits the path into RootKey and its subkey and converts the subkey and the value's name to
// the ANSI code page the calls take.
LONG SplitToAnsi(std::wstring& keyPath, const std::wstring& valueName, std::string& subkey,
                 std::string& name) {
    SplitKeyPath(keyPath, RootKey);
    if (!RootKey) return ERROR_BAD_PATHNAME;
    std::optional<std::string> narrowKey = platform::ToAnsi(keyPath);
    std::optional<std::string> narrowName = platform::ToAnsi(valueName);
    if (!narrowKey || !narrowName) return ScratchStatus = ERROR_NO_UNICODE_TRANSLATION;
    subkey = std::move(*narrowKey);
    name = std::move(*narrowName);
    return ERROR_SUCCESS;
}

// Opens the split key, never creating it; its status is left in ScratchStatus. A missing key
// is told as ERROR_PATH_NOT_FOUND, apart from a missing value.
LONG OpenKey(const std::string& subkey, REGSAM access, KeyOwner& key) {
    ScratchStatus = platform::Live().RegOpenKeyExA(RootKey, subkey.c_str(), 0, access, key.put());
    OpenedKey = key.get();
    return ScratchStatus == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : ScratchStatus;
}

// The value's text up to its first NUL; a value of any other type than a string is not read.
LONG QueryString(HKEY key, const std::wstring& name, std::wstring& text) {
    const platform::Calls& calls = platform::Live();
    DWORD type = 0;
    DWORD size = 0;
    LONG status = calls.RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    std::wstring data;
    // A value that grows between two calls is read again at the size it has grown to.
    for (int reads = 0;; ++reads) {
        if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) return status;
        if (type != REG_SZ) return ERROR_UNSUPPORTED_TYPE;
        if (status == ERROR_SUCCESS && reads > 0) {
            text = data.substr(0, data.find(L'\0'));
            return ERROR_SUCCESS;
        }
        if (reads == 3) return status;
        data.assign(size / sizeof(wchar_t) + 1, L'\0');  // room for a NUL the value may lack
        size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        status = calls.RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                        reinterpret_cast<BYTE*>(data.data()), &size);
    }
}

// Whether the path names HKEY_LOCAL_MACHINE\Software or a key below it, the one part of the
// registry that 64-bit Windows keeps apart for 32-bit programs. Key names ignore letter case.
bool IsUnderMachineSoftware(std::wstring_view keyPath) {
    constexpr std::wstring_view Root = L"HKEY_LOCAL_MACHINE\\";
    constexpr std::wstring_view Software = L"SOFTWARE";
    if (keyPath.substr(0, Root.size()) != Root) return false;
    std::wstring_view top = keyPath.substr(Root.size());  // the first key below the root
    top = top.substr(0, top.find(L'\\'));
    const auto upper = [](wchar_t c) { return c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c; };
    return std::equal(top.begin(), top.end(), Software.begin(), Software.end(),
                      [&](wchar_t a, wchar_t b) { return upper(a) == b; });
}

// Whether the split key, opened for reading, has no value of that name.
bool IsMissing(const std::string& subkey, const std::wstring& valueName, REGSAM view) {
    KeyOwner key;
    std::wstring text;
    return OpenKey(subkey, KEY_QUERY_VALUE | view, key) == ERROR_SUCCESS &&
           QueryString(key.get(), valueName, text) == ERROR_FILE_NOT_FOUND;
}

// The views a key lies in, by the flags that name them: on 64-bit Windows, the 64-bit and the
// 32-bit one of the machine's software, 64-bit first; else the one, named by no flag.
std::vector<REGSAM> ViewsOf(std::wstring_view keyPath) {
    if (IsUnderMachineSoftware(keyPath) && platform::HasRegistryViews())
        return {KEY_WOW64_64KEY, KEY_WOW64_32KEY};
    return {0};
}

// Writes the value, or removes it where there is none to write, in each view that has the key;
// stops at the first view that fails.
ViewsChanged ChangeInEveryView(const std::wstring& keyPath, const std::wstring& valueName,
                               const std::wstring* value) {
    ViewsChanged done{ERROR_PATH_NOT_FOUND, 0};
    for (const REGSAM view : ViewsOf(keyPath)) {
        std::wstring path = keyPath;
        const LONG status = value ? WriteStringValue(path, valueName, *value, view)
                                  : DeleteValue(path, valueName, view);
        if (status == ERROR_PATH_NOT_FOUND) continue;  // no program reads this view
        if (status == ERROR_SUCCESS) ++done.changed;
        // A removal that finds no value there has nothing to change.
        else if (value || status != ERROR_FILE_NOT_FOUND) return {status, done.changed};
        done.status = ERROR_SUCCESS;
    }
    return done;
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
                      const std::wstring& value, REGSAM view) {
    std::string subkey, name;
    const LONG split = SplitToAnsi(keyPath, valueName, subkey, name);
    if (split != ERROR_SUCCESS) return split;
    // Everything is converted before the key is opened: a text the code page cannot hold
    // exactly is refused whole, and the value stored before stays as it was.
    const std::optional<std::string> text = platform::ToAnsi(value);
    if (!text) return ScratchStatus = ERROR_NO_UNICODE_TRANSLATION;

    KeyOwner key;
    const LONG opened = OpenKey(subkey, KEY_WRITE | view, key);
    if (opened != ERROR_SUCCESS) return opened;
    // The stored size counts bytes, not characters, and includes the terminating NUL: a
    // double-byte code page needs two bytes for many characters.
    const LONG written = platform::Live().RegSetValueExA(
        OpenedKey, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text->c_str()),
        static_cast<DWORD>(text->size() + 1));
    ScratchStatus = written;
    ScratchStatus = CloseKey(key.release());
    return written;
}

LONG DeleteValue(std::wstring& keyPath, const std::wstring& valueName, REGSAM view) {
    std::string subkey, name;
    const LONG split = SplitToAnsi(keyPath, valueName, subkey, name);
    if (split != ERROR_SUCCESS) return split;

    KeyOwner key;
    const LONG opened = OpenKey(subkey, KEY_WRITE | view, key);
    // Where the key may not be written, a value that is not there needs no removing.
    if (opened != ERROR_SUCCESS && opened != ERROR_PATH_NOT_FOUND &&
        IsMissing(subkey, valueName, view))
        return ERROR_FILE_NOT_FOUND;
    if (opened != ERROR_SUCCESS) return opened;
    const LONG deleted = platform::Live().RegDeleteValueA(OpenedKey, name.c_str());
    ScratchStatus = deleted;
    ScratchStatus = CloseKey(key.release());
    return deleted;
}

LONG ReadStringValue(std::wstring& keyPath, const std::wstring& valueName, std::wstring& text,
                     REGSAM view) {
    std::string subkey, name;
    const LONG split = SplitToAnsi(keyPath, valueName, subkey, name);
    if (split != ERROR_SUCCESS) return split;

    KeyOwner key;
    const LONG opened = OpenKey(subkey, KEY_QUERY_VALUE | view, key);
    if (opened != ERROR_SUCCESS) return opened;
    return QueryString(key.get(), valueName, text);
}

ViewsChanged WriteInEveryView(const std::wstring& keyPath, const std::wstring& valueName,
                              const std::wstring& value) {
    return ChangeInEveryView(keyPath, valueName, &value);
}

ViewsChanged DeleteInEveryView(const std::wstring& keyPath, const std::wstring& valueName) {
    return ChangeInEveryView(keyPath, valueName, nullptr);
}

std::vector<ValueRead> ReadInEveryView(const std::wstring& keyPath,
                                       const std::wstring& valueName) {
    std::vector<ValueRead> reads;
    for (const REGSAM view : ViewsOf(keyPath)) {
        std::wstring path = keyPath;
        ValueRead read{};
        read.status = ReadStringValue(path, valueName, read.text, view);
        if (read.status != ERROR_PATH_NOT_FOUND) reads.push_back(std::move(read));
    }
    return reads;
}

}  // namespace Registry
