#include "win32/system_registry.h"

#include "win32/handles.h"
#include "win32/system_message.h"
#include "win32/utf8_paths.h"

#include <vector>

namespace host {

namespace {

HKEY rootKey(platform::RegistryRoot root) {
    return root == platform::RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// The key opened for `access`, or an empty owner; `create` makes it and any
// missing keys above it. `status` gets the system's answer.
UniqueKey openKey(platform::RegistryRoot root, const std::string& key, REGSAM access, bool create,
                  LSTATUS* status = nullptr) {
    HKEY opened = nullptr;
    const std::wstring path = widenUtf8(key);
    const LSTATUS got = create ? ::RegCreateKeyExW(rootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                   access, nullptr, &opened, nullptr)
                               : ::RegOpenKeyExW(rootKey(root), path.c_str(), 0, access, &opened);
    if (status) *status = got;
    return UniqueKey(got == ERROR_SUCCESS ? opened : nullptr);
}

rt::Outcome<> done(LSTATUS status) {
    if (status == ERROR_SUCCESS) return {};
    return rt::fail(systemMessage(static_cast<DWORD>(status)));
}

// The KEY_WOW64_ flag of the view this program does not see by default; 0
// where the system has one view (a 32-bit Windows).
REGSAM otherView() {
#ifdef _WIN64
    return KEY_WOW64_32KEY;
#else
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64 ? KEY_WOW64_64KEY : 0;
#endif
}

std::optional<std::string> readStringValue(platform::RegistryRoot root, const std::string& key,
                                           const std::string& name, REGSAM view) {
    UniqueKey owned;
    if (::RegOpenKeyExW(rootKey(root), widenUtf8(key).c_str(), 0, KEY_QUERY_VALUE | view, owned.put()) != ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring valueName = widenUtf8(name);
    DWORD type = 0, bytes = 0;
    if (::RegQueryValueExW(owned.get(), valueName.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    // One spare character: a stored value need not end with its null.
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD got = bytes;
    if (::RegQueryValueExW(owned.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                           &got) != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    std::wstring text(buffer.data(), got / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return narrowToUtf8(text);
}

} // namespace

rt::Outcome<> SystemRegistry::setDword(platform::RegistryRoot root, const std::string& key, const std::string& name,
                                       std::uint32_t data) {
    LSTATUS status = ERROR_SUCCESS;
    const UniqueKey owned = openKey(root, key, KEY_SET_VALUE, true, &status);
    if (!owned) return done(status);
    const DWORD value = data;
    return done(::RegSetValueExW(owned.get(), widenUtf8(name).c_str(), 0, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&value), sizeof value));
}

std::optional<std::uint32_t> SystemRegistry::readDword(platform::RegistryRoot root, const std::string& key,
                                                       const std::string& name) {
    const UniqueKey owned = openKey(root, key, KEY_QUERY_VALUE, false);
    DWORD type = 0, value = 0, bytes = sizeof value;
    if (!owned || ::RegQueryValueExW(owned.get(), widenUtf8(name).c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(&value), &bytes) != ERROR_SUCCESS ||
        type != REG_DWORD || bytes != sizeof value)
        return std::nullopt;
    return value;
}

rt::Outcome<> SystemRegistry::deleteValue(platform::RegistryRoot root, const std::string& key, const std::string& name) {
    LSTATUS opening = ERROR_SUCCESS;
    const UniqueKey owned = openKey(root, key, KEY_SET_VALUE, false, &opening);
    if (!owned) {
        if (!openKey(root, key, KEY_QUERY_VALUE, false)) return {};  // no key, no value
        return done(opening);
    }
    const LSTATUS status = ::RegDeleteValueW(owned.get(), widenUtf8(name).c_str());
    return done(status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status);
}

rt::Outcome<> SystemRegistry::setString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                                        const std::string& data) {
    LSTATUS status = ERROR_SUCCESS;
    const UniqueKey owned = openKey(root, key, KEY_SET_VALUE, true, &status);
    if (!owned) return done(status);
    // The text and its terminating null, the null counted in the length.
    const std::wstring wide = widenUtf8(data);
    const DWORD bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    return done(::RegSetValueExW(owned.get(), widenUtf8(name).c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(wide.c_str()), bytes));
}

std::optional<std::string> SystemRegistry::readString(platform::RegistryRoot root, const std::string& key,
                                                      const std::string& name) {
    return readStringValue(root, key, name, 0);
}

std::optional<std::string> SystemRegistry::readStringInOtherView(platform::RegistryRoot root, const std::string& key,
                                                                 const std::string& name) {
    const REGSAM view = otherView();
    if (!view) return std::nullopt;
    return readStringValue(root, key, name, view);
}

std::string SystemRegistry::viewName() const {
    if (!otherView()) return {};
    return otherView() == KEY_WOW64_32KEY ? "64-bit view" : "32-bit view";
}

rt::Outcome<platform::KeyGone> SystemRegistry::deleteKey(platform::RegistryRoot root, const std::string& key) {
    const LSTATUS status = ::RegDeleteKeyW(rootKey(root), widenUtf8(key).c_str());
    if (status == ERROR_SUCCESS) return platform::KeyGone::Deleted;
    if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) return platform::KeyGone::NotThere;
    return rt::fail(systemMessage(static_cast<DWORD>(status)));
}

} // namespace host
