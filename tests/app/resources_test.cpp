#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include <windows.h>

#include "toolkit/application.h"
#include "toolkit/owner.h"

// Reads the resources of a built program file (MORVANE_EXE) as Explorer and Windows do.
namespace {

using DataFile = toolkit::Owner<HMODULE, &::FreeLibrary>;

std::wstring ProgramFile() {
    const char* path = std::getenv("MORVANE_EXE");
    return path ? std::wstring(path, path + std::strlen(path)) : L"";
}

std::string Resource(HMODULE file, const wchar_t* type, const wchar_t* name) {
    const HRSRC found = FindResourceW(file, name, type);
    if (!found) return {};
    const HGLOBAL loaded = LoadResource(file, found);
    return std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(file, found));
}

class ProgramFileTest : public testing::Test {
protected:
    const std::wstring path = ProgramFile();
    DataFile file;
    void SetUp() override {
        ASSERT_FALSE(path.empty()) << "MORVANE_EXE names no program file";
        file.reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        ASSERT_TRUE(file) << "cannot open the program file";
    }

    std::wstring VersionString(const std::string& info, const wchar_t* name) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        wchar_t* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) ||
            !value)
            return L"(missing)";
        return value;
    }
};

TEST_F(ProgramFileTest, TheVersionResourceNamesTheProductItsMakerAndVersion) {
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::string info(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);  // 1.0
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000000u);  // .0.0
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000u);

    EXPECT_EQ(VersionString(info, L"ProductName"), L"Morvane");
    EXPECT_EQ(VersionString(info, L"CompanyName"), L"Selbrook Software");
    EXPECT_EQ(VersionString(info, L"LegalCopyright"), app::CopyrightNotice());
    EXPECT_EQ(VersionString(info, L"OriginalFilename"), L"morvane.exe");
    EXPECT_EQ(VersionString(info, L"FileVersion"), L"1.0.0.0");
    EXPECT_EQ(VersionString(info, L"ProductVersion"), L"1.0.0.0");
    EXPECT_NE(VersionString(info, L"FileDescription"), L"(missing)");
}

TEST_F(ProgramFileTest, TheManifestAsksForTheUsersOwnRightsAndDeclaresDpiAwareness) {
    const std::string manifest = Resource(file.get(), MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find("supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\""),
              std::string::npos);
}

TEST_F(ProgramFileTest, TheIconHoldsThe16And32And48PixelDrawingsIn256Colours) {
    const std::string group =
        Resource(file.get(), MAKEINTRESOURCEW(14), MAKEINTRESOURCEW(IDI_MORVANE));
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(group[at]); };
    ASSERT_EQ(group.size(), 6u + 3 * 14u);  // the header and three entries
    EXPECT_EQ(byte(4) | byte(5) << 8, 3);  // images
    const int sizes[] = {16, 32, 48};
    for (std::size_t entry = 0; entry < 3; ++entry) {
        const std::size_t at = 6 + 14 * entry;
        SCOPED_TRACE(sizes[entry]);
        EXPECT_EQ(byte(at), sizes[entry]);      // width
        EXPECT_EQ(byte(at + 1), sizes[entry]);  // height
        EXPECT_EQ(byte(at + 2), 0);             // colour count: 0 means 256
        EXPECT_EQ(byte(at + 6) | byte(at + 7) << 8, 8);  // bits per pixel
        // Uncompressed: the image is a bitmap header, not a PNG.
        const int id = byte(at + 12) | byte(at + 13) << 8;
        EXPECT_EQ(Resource(file.get(), MAKEINTRESOURCEW(3), MAKEINTRESOURCEW(id)).substr(0, 4),
                  std::string("\x28\0\0\0", 4));
    }
}

}  // namespace
