// What Setup makes, Uninstall's steps find and remove on the real system: the
// uninstall entry under HKEY_LOCAL_MACHINE (and a second removal is no
// failure), and the desktop link in the folder LocateShortcut names.
#include "Product.h"
#include "Setup/SetupMakeShortcut.h"
#include "Uninstall/UninstallAddRemovePrograms.h"
#include "Uninstall/UninstallMakeShortcut.h"
#include "UninstallEntry/UninstallEntry.h"
#include "win32/shell_links.h"
#include "win32/system_files.h"
#include "win32/system_registry.h"
#include "win32/utf8_paths.h"
#include "platform/paths.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A product name of the test's own, so a real installation is never touched.
std::string testProduct() {
    return "Corvane Lumetra test " + std::to_string(GetCurrentProcessId());
}

bool keyExists(const std::string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, host::widenUtf8(key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

TEST(UninstallSystem, TheEntrySetupWroteIsDeletedAndAMissingOneIsNoFailure) {
    host::SystemRegistry registry;
    const std::string name = testProduct();
    const std::string key = std::string(product::kUninstallKeyParent) + name;
    // The whole entry, number values too: the key still goes in one call.
    ASSERT_TRUE(entry::AddUninstallEntry(registry, name, entry::uninstallEntryValues({name, "C:\\Corvane Test", 5000})));
    ASSERT_TRUE(keyExists(key));
    EXPECT_EQ(registry.readDword(platform::RegistryRoot::LocalMachine, key, "EstimatedSize"), 5u);
    EXPECT_EQ(registry.readString(platform::RegistryRoot::LocalMachine, key, "EstimatedSize"), std::nullopt);

    using platform::KeyGone;
    // The answer, or nothing when refused.
    const auto answer = [](const rt::Outcome<KeyGone>& gone) { return gone ? std::optional(*gone) : std::nullopt; };
    EXPECT_EQ(answer(uninstall::RemoveUninstallEntry(registry, name)), KeyGone::Deleted);
    EXPECT_FALSE(keyExists(key));
    EXPECT_EQ(answer(uninstall::RemoveUninstallEntry(registry, name)), KeyGone::NotThere);
    // Its parent, which other programs' entries share, stays.
    EXPECT_TRUE(keyExists("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));
}

TEST(UninstallSystem, TheDesktopFolderLocatedIsWhereTheShortcutMakerSaves) {
    host::ShellLinks links;
    host::SystemFileSystem files;
    const std::string name = testProduct();
    ASSERT_TRUE(setup::AddShortcut(links, "C:\\Corvane Test\\" + name + ".exe", "Desktop", name, "", 0, 0));

    const std::string folder = uninstall::LocateShortcut(links, "Desktop");
    ASSERT_FALSE(folder.empty());
    const std::string link = platform::joinPath(folder, name + ".lnk");
    EXPECT_TRUE(files.fileExists(link));
    EXPECT_FALSE(files.fileExists(folder + "\\program.lnk")) << "locating writes nothing";
    EXPECT_TRUE(files.deleteFile(link));
    EXPECT_FALSE(files.fileExists(link));
    EXPECT_TRUE(files.deleteFile(link)) << "a link that is already gone is no failure";
}

// The file layer's part of the removal: the files directly in a folder, a
// read-only one refusing to go, and a folder removed only once it is empty.
TEST(UninstallSystem, FilesOfAFolderAreListedDeletedOrReportedAndTheEmptyFolderRemoved) {
    host::SystemFileSystem files;
    wchar_t temp[MAX_PATH + 1];
    ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
    const std::string folder = host::narrowToUtf8(temp) + testProduct() + " folder \xC8\x98";
    ASSERT_TRUE(files.makeFolder(folder));
    ASSERT_TRUE(files.makeFolder(folder + "\\sub"));
    ASSERT_TRUE(files.writeFile(folder + "\\a.txt", "a"));
    ASSERT_TRUE(files.writeFile(folder + "\\read-only.txt", "b"));
    const std::wstring readOnly = host::widenUtf8(folder + "\\read-only.txt");
    ASSERT_TRUE(SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));

    auto names = files.listFiles(folder);
    ASSERT_TRUE(names.ok());
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names, (std::vector<std::string>{"a.txt", "read-only.txt"}));
    EXPECT_FALSE(files.listFiles(folder + "\\missing").ok());

    EXPECT_TRUE(files.deleteFile(folder + "\\a.txt"));
    EXPECT_FALSE(files.deleteFile(folder + "\\read-only.txt"));
    EXPECT_EQ(files.deleteFile(folder + "\\read-only.txt").reason(), platform::kReadOnlyReason);
    EXPECT_FALSE(files.removeEmptyFolder(folder));
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(files.deleteFile(folder + "\\read-only.txt"));
    EXPECT_FALSE(files.removeEmptyFolder(folder)) << "a subfolder keeps it";
    EXPECT_TRUE(files.removeEmptyFolder(folder + "\\sub"));
    EXPECT_TRUE(files.removeEmptyFolder(folder));
    EXPECT_EQ(GetFileAttributesW(host::widenUtf8(folder).c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
