#pragma once
// product::kVersion is generated from the project version in the
// top CMakeLists.txt, as the version resources are: they cannot disagree.
#include "ProductVersion.h"

// What the three programs must agree on. Setup forms the install folder, the
// uninstall entry's key and the shortcut's name from the product name, and
// Uninstall removes exactly those: one constant, so they cannot drift apart.
namespace product {

inline constexpr const char* kName = "Corvane Lumetra";
// The maker, as the uninstall entry and the version resource name it.
inline constexpr const char* kPublisher = "Corvanesoft";
// The main program's file name in the install folder: the name & ".exe".
inline constexpr const char* kMainProgram = "Corvane Lumetra.exe";
inline constexpr const char* kUninstaller = "Uninstall.exe";
inline constexpr const char* kPackage = "Data.set";
// The main program's settings, beside it or in "<application data>\<name>";
// the uninstaller removes both.
inline constexpr const char* kSettingsFile = "settings.ini";
// Parent of the product's uninstall entry under HKEY_LOCAL_MACHINE.
inline constexpr const char* kUninstallKeyParent = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

} // namespace product

// The maker's web site: the address the windows show, and the pages the main
// window's link opens for each language. Plain http: the link is only ever
// handed to the user's browser, which follows any redirect the site makes.
namespace product::WebSite {

inline constexpr const char* kAddress = "www.corvanesoft.example";
inline constexpr const char* kEnglishPage = "http://www.corvanesoft.example";
inline constexpr const char* kRomanianPage = "http://www.corvanesoft.example/ro";

} // namespace product::WebSite
