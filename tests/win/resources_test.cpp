// The resources every shipped program carries, checked on a program built the
// same way: manifest, version information and the four icon sizes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring modulePath() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::string manifestText() {
    HRSRC res = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    if (!res) return {};
    HGLOBAL data = LoadResource(nullptr, res);
    return std::string(static_cast<const char*>(LockResource(data)), SizeofResource(nullptr, res));
}

std::wstring versionString(const wchar_t* name) {
    const std::wstring path = modulePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<char> block(size);
    if (!size || !GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return {};
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) return {};
    return value;
}

} // namespace

TEST(Resources, ManifestAsksForCommonControlsDpiAwarenessAndExecutionLevel) {
    const std::string manifest = manifestText();
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

TEST(Resources, VersionNamesProductCompanyAndRelease) {
    EXPECT_EQ(versionString(L"ProductName"), L"Corvane Lumetra");
    EXPECT_EQ(versionString(L"CompanyName"), L"Corvanesoft");
    EXPECT_EQ(versionString(L"ProductVersion"), L"1.2.0");
    EXPECT_EQ(versionString(L"OriginalFilename"), L"win.resources.exe");
}

TEST(Resources, IconHasEachSizeTheShellAsksFor) {
    for (int size : {48, 32, 20, 16}) {
        HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bm{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, size);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    // An exact match for every size means the icon group holds all four.
    HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr);
    const auto* header = static_cast<const WORD*>(LockResource(LoadResource(nullptr, group)));
    EXPECT_GE(header[2], 4) << "images in the icon group";
}
