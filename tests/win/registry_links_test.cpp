// The registry and shell links for real: string values written, overwritten
// and read back under HKEY_LOCAL_MACHINE, and a link saved and read back
// through the shell's own link object.
#include "win32/handles.h"
#include "win32/shell_links.h"
#include "win32/system_registry.h"
#include "win32/utf8_paths.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <string>

namespace {

using platform::RegistryRoot;

// A key of the test's own, removed however the test ends.
struct TestKey {
    std::string path = "Software\\Corvanesoft Test\\Key " + std::to_string(GetCurrentProcessId());
    ~TestKey() {
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, host::widenUtf8(path).c_str());
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Corvanesoft Test");
    }
};

// The value's type and raw bytes, read without the implementation under test.
std::wstring rawValue(const std::string& key, const wchar_t* name, DWORD& type) {
    wchar_t data[512] = {};
    DWORD bytes = sizeof data;
    type = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, host::widenUtf8(key).c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type, data,
                     &bytes) != ERROR_SUCCESS)
        return L"<missing>";
    return std::wstring(data, bytes / sizeof(wchar_t));
}

TEST(SystemRegistry, WritesOverwritesReadsBackAndDeletesStringValues) {
    host::SystemRegistry registry;
    TestKey key;
    // Wide characters reach the registry intact ("Setări").
    const std::string folder = "C:\\Program Files\\Corvane Set\xC4\x83ri";
    ASSERT_TRUE(registry.setString(RegistryRoot::LocalMachine, key.path, "DisplayName", "Corvane Lumetra"));
    ASSERT_TRUE(registry.setString(RegistryRoot::LocalMachine, key.path, "UninstallString", "old"));
    ASSERT_TRUE(registry.setString(RegistryRoot::LocalMachine, key.path, "UninstallString",
                                   "\"" + folder + "\\Uninstall.exe\""));

    EXPECT_EQ(registry.readString(RegistryRoot::LocalMachine, key.path, "DisplayName"), "Corvane Lumetra");
    EXPECT_EQ(registry.readString(RegistryRoot::LocalMachine, key.path, "UninstallString"),
              "\"" + folder + "\\Uninstall.exe\"");
    EXPECT_EQ(registry.readString(RegistryRoot::LocalMachine, key.path, "Missing"), std::nullopt);
    EXPECT_EQ(registry.readString(RegistryRoot::LocalMachine, key.path + "\\None", "DisplayName"), std::nullopt);

    // REG_SZ with the terminating null counted in the stored length.
    DWORD type = 0;
    const std::wstring raw = rawValue(key.path, L"DisplayName", type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(raw, std::wstring(L"Corvane Lumetra") + L'\0');

    // Exactly the two values, and the key goes in one call.
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, host::widenUtf8(key.path).c_str(), 0, KEY_READ, &opened), ERROR_SUCCESS);
    DWORD values = 0;
    RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(opened);
    EXPECT_EQ(values, 2u);
    using platform::KeyGone;
    // The answer, or nothing when refused.
    const auto answer = [](const rt::Outcome<KeyGone>& gone) { return gone ? std::optional(*gone) : std::nullopt; };
    // A key with a subkey cannot go in one call: refused, with the system's words.
    ASSERT_TRUE(registry.setString(RegistryRoot::LocalMachine, key.path + "\\Sub", "x", "y"));
    const rt::Outcome<KeyGone> refused = registry.deleteKey(RegistryRoot::LocalMachine, key.path);
    EXPECT_FALSE(refused);
    EXPECT_FALSE(refused.reason().empty());
    EXPECT_EQ(answer(registry.deleteKey(RegistryRoot::LocalMachine, key.path + "\\Sub")), KeyGone::Deleted);
    EXPECT_EQ(answer(registry.deleteKey(RegistryRoot::LocalMachine, key.path)), KeyGone::Deleted);
    EXPECT_EQ(answer(registry.deleteKey(RegistryRoot::LocalMachine, key.path)), KeyGone::NotThere);
    EXPECT_EQ(registry.readString(RegistryRoot::LocalMachine, key.path, "DisplayName"), std::nullopt);
}

// The link as the shell reads it back. The target comes from the link's item
// list, which keeps every character (the shell's own path text is the ANSI
// one under Wine).
platform::Shortcut readBack(const std::string& linkPath) {
    host::ComApartment com;
    host::ComPtr<IShellLinkW> link;
    EXPECT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           link.putVoid())));
    host::ComPtr<IPersistFile> file;
    EXPECT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.putVoid())));
    EXPECT_TRUE(SUCCEEDED(file->Load(host::widenUtf8(linkPath).c_str(), STGM_READ)));
    platform::Shortcut got;
    wchar_t text[MAX_PATH * 2] = {};
    PIDLIST_ABSOLUTE items = nullptr;
    if (SUCCEEDED(link->GetIDList(&items)) && SHGetPathFromIDListW(items, text)) got.target = host::narrowToUtf8(text);
    CoTaskMemFree(items);
    text[0] = 0;
    link->GetWorkingDirectory(text, MAX_PATH * 2);
    got.workingFolder = host::narrowToUtf8(text);
    got.windowStyle = -1;
    link->GetShowCmd(&got.windowStyle);
    text[0] = 0;
    link->GetIconLocation(text, MAX_PATH * 2, &got.iconIndex);
    got.iconPath = host::narrowToUtf8(text);
    return got;
}

// The show command as the file holds it: the header's 4 bytes at offset 60.
int storedShowCommand(const std::string& linkPath) {
    HANDLE file = CreateFileW(host::widenUtf8(linkPath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    unsigned char header[76] = {};
    DWORD got = 0;
    ReadFile(file, header, sizeof header, &got, nullptr);
    CloseHandle(file);
    if (got != sizeof header) return -1;
    return header[60] | header[61] << 8 | header[62] << 16 | header[63] << 24;
}

TEST(ShellLinks, DesktopIsTheKnownFolderAndALinkReadsBackThroughTheShell) {
    host::ShellLinks links;
    const std::string desktop = links.specialFolder("Desktop");
    ASSERT_FALSE(desktop.empty());
    EXPECT_NE(GetFileAttributesW(host::widenUtf8(desktop).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(links.specialFolder("No such folder"), "");

    // A target that need not exist yet, in a folder with spaces and a
    // character outside the ANSI code page.
    const std::string target = "C:\\Program Files\\Corvane \xC8\x98tefan\\Corvane Lumetra.exe";
    const std::string linkPath = desktop + "\\Corvane Lumetra test " + std::to_string(GetCurrentProcessId()) + ".lnk";
    struct Remove {
        std::string path;
        ~Remove() { DeleteFileW(host::widenUtf8(path).c_str()); }
    } removeLink{linkPath};

    const struct {
        platform::Shortcut link;
    } cases[] = {
        // First another link of that name, then the installer's own: the file is replaced.
        {{"C:\\other.exe", "C:\\", 0, "C:\\windows\\system32\\shell32.dll", 2}},
        {{target, "", 0, target, 0}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(links.saveShortcut(linkPath, c.link));
        const platform::Shortcut got = readBack(linkPath);
        EXPECT_EQ(got.target, c.link.target);
        EXPECT_EQ(got.workingFolder, c.link.workingFolder);
        // Window style 0 is stored as it is; a shell reads it as "normal".
        EXPECT_EQ(storedShowCommand(linkPath), c.link.windowStyle);
        EXPECT_EQ(got.windowStyle, SW_SHOWNORMAL);
        EXPECT_EQ(got.iconPath, c.link.iconPath);
        EXPECT_EQ(got.iconIndex, c.link.iconIndex);
    }
    EXPECT_FALSE(links.saveShortcut("C:\\no such folder\\x\\y.lnk", cases[1].link));
}

} // namespace
