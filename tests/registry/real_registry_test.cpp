#include <gtest/gtest.h>

#include <cwchar>
#include <optional>

#include "registry/registry.h"
#include "support/fake_platform.h"
#include "toolkit/owner.h"

// The same writes against the real registry of the test's Wine prefix, read back with the
// wide-character API as a browser would.
namespace {

using KeyOwner = toolkit::Owner<HKEY, &::RegCloseKey>;

const wchar_t* const IeMainSubkey = L"Software\\Microsoft\\Internet Explorer\\Main";

std::optional<std::wstring> ReadString(HKEY root, const wchar_t* subkey, const wchar_t* name) {
    KeyOwner key;
    if (RegOpenKeyExW(root, subkey, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
    text.resize(wcslen(text.c_str()));
    return text;
}

bool KeyExists(HKEY root, const wchar_t* subkey) {
    KeyOwner key;
    return RegOpenKeyExW(root, subkey, 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

LONG Write(const wchar_t* keyPath, const std::wstring& value,
           const wchar_t* name = L"Window Title") {
    std::wstring path = keyPath;
    return Registry::WriteStringValue(path, name, value);
}

const wchar_t* const UserMain = L"HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";
const wchar_t* const MachineMain =
    L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Main";

TEST(RealRegistryTest, ValuesWrittenPerUserAndMachineWideReadBackUnchanged) {
    const std::wstring texts[] = {
        L"Susan's World", L"", L"\"Bill's Explorer\"", L"Tab\there, ampersand & percent %1",
        L"Caf\x00e9 M\x00fcnchen",  // held by the Western code page
        std::wstring(2000, L'x')};
    for (const std::wstring& text : texts) {
        ASSERT_EQ(Write(UserMain, text), ERROR_SUCCESS);
        EXPECT_EQ(ReadString(HKEY_CURRENT_USER, IeMainSubkey, L"Window Title"), text);
        ASSERT_EQ(Write(MachineMain, text), ERROR_SUCCESS);
        EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, IeMainSubkey, L"Window Title"), text);
    }
}

TEST(RealRegistryTest, OtherValuesUnderTheKeyAreLeftAlone) {
    const std::optional<std::wstring> startPage =
        ReadString(HKEY_CURRENT_USER, IeMainSubkey, L"Start Page");
    ASSERT_EQ(Write(UserMain, L"x\r\ny"), ERROR_SUCCESS);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, IeMainSubkey, L"Start Page"), startPage);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, IeMainSubkey, L"Window Title"), L"x\r\ny");
}

TEST(RealRegistryTest, TextTheCodePageCannotHoldLeavesTheEarlierValueAsItWas) {
    ASSERT_EQ(Write(UserMain, L"Earlier title"), ERROR_SUCCESS);
    // Korean, held by neither the Western nor the Japanese code page.
    EXPECT_EQ(Write(UserMain, L"A\xd55c\xad6dZ"), ERROR_NO_UNICODE_TRANSLATION);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, IeMainSubkey, L"Window Title"), L"Earlier title");
}

TEST(RealRegistryTest, AMissingKeyIsNeitherCreatedNorWritten) {
    const wchar_t* const missing = L"Software\\Morvane Test\\No Such Key";
    EXPECT_EQ(Write(L"HKEY_CURRENT_USER\\Software\\Morvane Test\\No Such Key", L"x"),
              ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, missing));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"Software\\Morvane Test"));
}

TEST(RealRegistryTest, WhatIsWrittenReadsBackAndADeletedValueIsGone) {
    ASSERT_EQ(Write(UserMain, L"Read me"), ERROR_SUCCESS);
    std::wstring path = UserMain;
    std::wstring text;
    EXPECT_EQ(Registry::ReadStringValue(path, L"Window Title", text), ERROR_SUCCESS);
    EXPECT_EQ(text, L"Read me");
    for (const LONG expected : {ERROR_SUCCESS, ERROR_FILE_NOT_FOUND}) {  // then none to delete
        path = UserMain;
        EXPECT_EQ(Registry::DeleteValue(path, L"Window Title"), expected);
    }
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, IeMainSubkey, L"Window Title"), std::nullopt);
}

TEST(RealRegistryTest, DoubleByteTextReadsBackWhole) {
    if (GetACP() != 932) GTEST_SKIP() << "needs code page 932";
    const std::wstring text = L"\x65e5\x672c\x8a9e\x306e\x30bf\x30a4\x30c8\x30eb";  // 日本語のタイトル
    ASSERT_EQ(Write(UserMain, text), ERROR_SUCCESS);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, IeMainSubkey, L"Window Title"), text);
}

}  // namespace
