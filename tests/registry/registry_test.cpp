#include <gtest/gtest.h>

#include "registry/registry.h"
#include "support/fake_platform.h"

namespace {

const std::wstring IeMain = L"Software\\Microsoft\\Internet Explorer\\Main";

struct Split {
    std::wstring keyPath;
    HKEY root;
};

Split SplitOf(std::wstring keyPath) {
    HKEY root = reinterpret_cast<HKEY>(static_cast<INT_PTR>(0x1234));
    Registry::SplitKeyPath(keyPath, root);
    return {keyPath, root};
}

class RegistryTest : public testing::Test {
protected:
    FakePlatform fake;
    void SetUp() override { fake.FakeRegistry().FakeMessageBox(); }
};

TEST_F(RegistryTest, RootNamesMapToThePredefinedHandlesExactlyAndCaseSensitively) {
    EXPECT_EQ(Registry::RootKeyFromName(L"HKEY_CLASSES_ROOT"), HKEY_CLASSES_ROOT);
    EXPECT_EQ(Registry::RootKeyFromName(L"HKEY_CURRENT_USER"), HKEY_CURRENT_USER);
    EXPECT_EQ(Registry::RootKeyFromName(L"HKEY_LOCAL_MACHINE"), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(Registry::RootKeyFromName(L"HKEY_USERS"), HKEY_USERS);
    EXPECT_EQ(Registry::RootKeyFromName(L"HKEY_PERFORMANCE_DATA"), HKEY_PERFORMANCE_DATA);
    EXPECT_EQ(Registry::RootKeyFromName(L"HKEY_CURRENT_CONFIG"), HKEY_CURRENT_CONFIG);
    EXPECT_EQ(Registry::RootKeyFromName(L"HKEY_DYN_DATA"), HKEY_DYN_DATA);
    // The handles are the platform's own predefined values, 0x80000000 to 0x80000006.
    EXPECT_EQ(static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(HKEY_DYN_DATA)), 0x80000006u);

    EXPECT_EQ(Registry::RootKeyFromName(L"HKEY_Current_User"), nullptr);
    EXPECT_EQ(Registry::RootKeyFromName(L"HKEY_LOCAL_MACHINE "), nullptr);
    EXPECT_EQ(Registry::RootKeyFromName(L"HKCU"), nullptr);
    EXPECT_EQ(Registry::RootKeyFromName(L""), nullptr);
}

TEST_F(RegistryTest, SplitCutsAtTheFirstBackslashAndKeepsTheSubkeyInThePath) {
    const Split user = SplitOf(L"HKEY_CURRENT_USER\\" + IeMain);
    EXPECT_EQ(user.root, HKEY_CURRENT_USER);
    EXPECT_EQ(user.keyPath, IeMain);
    EXPECT_EQ(Registry::ScratchStatus, 18);  // the backslash's 1-based position

    const Split machine = SplitOf(L"HKEY_LOCAL_MACHINE\\" + IeMain);
    EXPECT_EQ(machine.root, HKEY_LOCAL_MACHINE);
    EXPECT_EQ(machine.keyPath, IeMain);

    const Split rootAlone = SplitOf(L"HKEY_LOCAL_MACHINE");
    EXPECT_EQ(rootAlone.root, HKEY_LOCAL_MACHINE);
    EXPECT_EQ(rootAlone.keyPath, L"");
    EXPECT_EQ(Registry::ScratchStatus, 0);

    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(RegistryTest, MalformedPathsShowTheFormatMessageAndNameNoRoot) {
    for (const std::wstring path : {L"hkey_current_user\\Software", L"HKEY_CURRENT_USER\\Software\\",
                                    L"HKEY", L"HKEY_LOCAL_MACHINE\\", L""}) {
        SCOPED_TRACE(testing::Message() << "path of " << path.size() << " characters");
        fake.boxes.clear();
        const Split split = SplitOf(path);
        EXPECT_EQ(split.root, nullptr);
        EXPECT_EQ(split.keyPath, path);  // left as it was passed
        ASSERT_EQ(fake.boxes.size(), 1u);
        EXPECT_EQ(fake.boxes[0].text, L"Incorrect Format:\n\n" + path);
        EXPECT_EQ(fake.boxes[0].caption, L"Morvane");
        EXPECT_EQ(fake.boxes[0].style, 0u);
    }
}

TEST_F(RegistryTest, AWellFormedPathWithAnUnknownRootIsSilentlyIgnored) {
    const std::wstring paths[] = {L"HKEY_current_user\\" + IeMain, L"HKEY_NOWHERE\\Software",
                                  L"HKEY_CURRENT_USERS"};
    for (const std::wstring& path : paths) {
        std::wstring keyPath = path;
        EXPECT_NE(Registry::WriteStringValue(keyPath, L"Window Title", L"text"), ERROR_SUCCESS);
        EXPECT_EQ(Registry::RootKey, nullptr);
    }
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_TRUE(fake.order.empty());  // nothing opened, nothing written
}

TEST_F(RegistryTest, AMalformedPathIsNeitherOpenedNorWritten) {
    std::wstring keyPath = L"HKEY_CURRENT_USER\\";
    EXPECT_NE(Registry::WriteStringValue(keyPath, L"Window Title", L"text"), ERROR_SUCCESS);
    EXPECT_EQ(fake.order, std::vector<std::string>{"box"});
}

TEST_F(RegistryTest, WriteOpensForWritingSetsAStringAndCloses) {
    std::wstring keyPath = L"HKEY_CURRENT_USER\\" + IeMain;
    EXPECT_EQ(Registry::WriteStringValue(keyPath, L"Window Title", L"Susan's World"),
              ERROR_SUCCESS);

    EXPECT_EQ(fake.order, (std::vector<std::string>{"open", "set", "close"}));
    const FakePlatform::Open& open = fake.opens.at(0);
    EXPECT_EQ(open.root, HKEY_CURRENT_USER);
    EXPECT_EQ(open.subkey, "Software\\Microsoft\\Internet Explorer\\Main");
    EXPECT_EQ(open.options, 0u);
    EXPECT_EQ(open.access, 0x20006u);

    const FakePlatform::Set& set = fake.sets.at(0);
    EXPECT_EQ(set.key, FakePlatform::OpenedKey);
    EXPECT_EQ(set.name, "Window Title");
    EXPECT_EQ(set.reserved, 0u);
    EXPECT_EQ(set.type, 1u);  // REG_SZ
    // Size in bytes with the terminating NUL, as a string value must be stored.
    EXPECT_EQ(set.size, 14u);
    EXPECT_EQ(set.data, std::string("Susan's World\0", 14));

    EXPECT_EQ(fake.closes, std::vector<HKEY>{FakePlatform::OpenedKey});
    EXPECT_EQ(keyPath, IeMain);  // the caller's variable holds the subkey part
    EXPECT_EQ(Registry::OpenedKey, FakePlatform::OpenedKey);
    EXPECT_EQ(Registry::ScratchStatus, ERROR_SUCCESS);
}

TEST_F(RegistryTest, AnEmptyValueIsStoredAsAnEmptyString) {
    std::wstring keyPath = L"HKEY_LOCAL_MACHINE\\" + IeMain;
    Registry::WriteStringValue(keyPath, L"Window Title", L"");
    ASSERT_EQ(fake.sets.size(), 1u);
    EXPECT_EQ(fake.sets[0].size, 1u);
    EXPECT_EQ(fake.sets[0].data, std::string(1, '\0'));
    EXPECT_EQ(fake.opens[0].root, HKEY_LOCAL_MACHINE);
}

TEST_F(RegistryTest, TheRootAloneOpensTheRootItself) {
    std::wstring keyPath = L"HKEY_LOCAL_MACHINE";
    Registry::WriteStringValue(keyPath, L"Window Title", L"x");
    ASSERT_EQ(fake.opens.size(), 1u);
    EXPECT_EQ(fake.opens[0].root, HKEY_LOCAL_MACHINE);
    EXPECT_EQ(fake.opens[0].subkey, "");
}

TEST_F(RegistryTest, AFailedOpenWritesNothingAndReportsWhy) {
    fake.openResult = ERROR_ACCESS_DENIED;
    std::wstring keyPath = L"HKEY_LOCAL_MACHINE\\" + IeMain;
    EXPECT_EQ(Registry::WriteStringValue(keyPath, L"Window Title", L"x"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(fake.order, std::vector<std::string>{"open"});  // no set, nothing to close
    EXPECT_EQ(Registry::ScratchStatus, ERROR_ACCESS_DENIED);
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(RegistryTest, AFailedSetStillClosesTheKeyAndIsReportedAsAFailure) {
    fake.setResult = ERROR_ACCESS_DENIED;
    std::wstring keyPath = L"HKEY_CURRENT_USER\\" + IeMain;
    // The close succeeds, yet the value was not written: the set's status is what counts.
    EXPECT_EQ(Registry::WriteStringValue(keyPath, L"Window Title", L"x"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(fake.order, (std::vector<std::string>{"open", "set", "close"}));
    EXPECT_EQ(Registry::ScratchStatus, ERROR_SUCCESS);  // the status of the last call, the close
}

TEST_F(RegistryTest, DeleteOpensForWritingRemovesTheValueAndTellsAnAbsentOne) {
    fake.values[{HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main",
                 "Window Title"}] = {REG_SZ, L"x"};
    for (const LONG expected : {ERROR_SUCCESS, ERROR_FILE_NOT_FOUND}) {  // then nothing left
        std::wstring keyPath = L"HKEY_CURRENT_USER\\" + IeMain;
        EXPECT_EQ(Registry::DeleteValue(keyPath, L"Window Title"), expected);
    }
    EXPECT_TRUE(fake.values.empty());
    EXPECT_EQ(fake.order, (std::vector<std::string>{"open", "delete", "close", "open", "delete",
                                                     "close"}));
    EXPECT_EQ(fake.opens.at(0).access, 0x20006u);
    EXPECT_EQ(fake.deletes.at(0).key, FakePlatform::OpenedKey);
    EXPECT_EQ(fake.deletes.at(0).name, "Window Title");

    fake.order.clear();
    fake.openResult = ERROR_FILE_NOT_FOUND;  // a missing key is a failure, and is not created
    std::wstring keyPath = L"HKEY_LOCAL_MACHINE\\" + IeMain;
    EXPECT_EQ(Registry::DeleteValue(keyPath, L"Window Title"), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(fake.order, std::vector<std::string>{"open"});
}

TEST_F(RegistryTest, OnlyTheMachinesSoftwareIsChangedInBothRegistryViews) {
    using Registry::WriteInEveryView;
    EXPECT_EQ(WriteInEveryView(L"HKEY_LOCAL_MACHINE\\SOFTWARE", L"x", L"x").changed, 2);
    EXPECT_EQ(WriteInEveryView(L"HKEY_LOCAL_MACHINE\\SYSTEM\\Software", L"x", L"x").changed, 1);
}

TEST_F(RegistryTest, ReadOpensForQueryingAndReadsOnlyStrings) {
    const auto read = [&](std::wstring& text) {
        std::wstring keyPath = L"HKEY_LOCAL_MACHINE\\" + IeMain;
        return Registry::ReadStringValue(keyPath, L"Window Title", text);
    };
    std::wstring text;
    EXPECT_EQ(read(text), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(fake.opens.at(0).access, static_cast<REGSAM>(KEY_QUERY_VALUE));
    auto& stored = fake.values[{HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer\\Main",
                                "Window Title"}];
    stored = {REG_SZ, std::wstring(L"11.0\0junk", 9)};
    EXPECT_EQ(read(text), ERROR_SUCCESS);
    EXPECT_EQ(text, L"11.0");
    stored = {REG_EXPAND_SZ, std::wstring(L"%x%\0", 4)};
    EXPECT_EQ(read(text), ERROR_UNSUPPORTED_TYPE);
    EXPECT_EQ(fake.closes.size(), 3u);

    stored = {REG_SZ, L"\x0391"};
    fake.growths = 1;  // it grows between the calls: read again at its new size, up to a point
    EXPECT_EQ(read(text), ERROR_SUCCESS);
    EXPECT_EQ(text, L"\x0391++");
    fake.growths = 9;
    EXPECT_EQ(read(text), ERROR_MORE_DATA);
    fake.openResult = ERROR_FILE_NOT_FOUND;  // the key itself is missing
    EXPECT_EQ(read(text), ERROR_PATH_NOT_FOUND);
}

TEST_F(RegistryTest, TextIsConvertedToTheAnsiCodePageAtTheCall) {
    std::wstring keyPath = L"HKEY_CURRENT_USER\\" + IeMain;
    Registry::WriteStringValue(keyPath, L"Window Title", L"\"Bill's\"\r\nExplorer");
    ASSERT_EQ(fake.sets.size(), 1u);
    EXPECT_EQ(fake.sets[0].data, std::string("\"Bill's\"\r\nExplorer\0", 19));
    EXPECT_EQ(fake.sets[0].size, 19u);
}

TEST_F(RegistryTest, WesternTextIsStoredByteForByteOrRefusedBeforeAnythingIsOpened) {
    if (GetACP() != 1252) GTEST_SKIP() << "written for the Western code page";
    std::wstring keyPath = L"HKEY_CURRENT_USER\\" + IeMain;
    // Accents, the euro sign, typographic quotes and a question mark of the user's own.
    Registry::WriteStringValue(keyPath, L"Window Title", L"Caf\x00e9 \x20ac \x201cok\x201d?");
    ASSERT_EQ(fake.sets.size(), 1u);
    EXPECT_EQ(fake.sets[0].data, std::string("Caf\xe9 \x80 \x93ok\x94?\0", 13));

    fake.order.clear();
    for (const wchar_t* text : {
             L"\x0391\x03b8\x03ae\x03bd\x03b1",  // Greek
             L"\x0101",                          // a-macron, whose best fit would be a plain a
             L"smile \xd83d\xde00",              // beyond 16 bits, as a surrogate pair
             L"A\xd800" L"B", L"A\xdc00" L"B",    // lone surrogates
         }) {
        keyPath = L"HKEY_CURRENT_USER\\" + IeMain;
        EXPECT_EQ(Registry::WriteStringValue(keyPath, L"Window Title", text),
                  ERROR_NO_UNICODE_TRANSLATION);
    }
    EXPECT_TRUE(fake.order.empty());  // nothing opened, nothing written
}

// Run once more with the Japanese code page (932) as the system's ANSI code page.
TEST_F(RegistryTest, DoubleByteTextIsStoredWholeWithItsByteLength) {
    if (GetACP() != 932) {
        if (const char* expected = std::getenv("MORVANE_EXPECT_CODE_PAGE"))
            FAIL() << "expected code page " << expected << ", running with " << GetACP();
        GTEST_SKIP() << "needs code page 932";
    }
    std::wstring keyPath = L"HKEY_CURRENT_USER\\" + IeMain;
    Registry::WriteStringValue(keyPath, L"Window Title", L"\x65e5\x672c\x8a9e IE");  // 日本語 IE
    ASSERT_EQ(fake.sets.size(), 1u);
    EXPECT_EQ(fake.sets[0].size, 10u);  // three double-byte characters, " IE" and the NUL
    EXPECT_EQ(fake.sets[0].data, std::string("\x93\xfa\x96\x7b\x8c\xea IE\0", 10));

    // Shift-JIS has no accented Latin letters and no Korean: refused, not approximated.
    for (const wchar_t* text : {L"Caf\x00e9", L"\xd55c\xad6d"}) {
        std::wstring path = L"HKEY_CURRENT_USER\\" + IeMain;
        EXPECT_EQ(Registry::WriteStringValue(path, L"Window Title", text),
                  ERROR_NO_UNICODE_TRANSLATION);
    }
    EXPECT_EQ(fake.sets.size(), 1u);
}

}  // namespace
