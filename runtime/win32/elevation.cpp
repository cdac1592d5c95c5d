#include "win32/elevation.h"

#include "win32/system_folders.h"
#include "win32/utf8_paths.h"

#include <windows.h>
#include <shellapi.h>

namespace host {

bool runsElevated() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool elevated = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) &&
                          elevation.TokenIsElevated != 0;
    CloseHandle(token);
    return elevated;
}

std::optional<int> runElevatedAndWait(const std::vector<std::string>& args) {
    // Each argument quoted as Windows splits them again; a trailing
    // backslash is doubled so that it does not escape the closing quote.
    std::string line;
    for (const std::string& arg : args) {
        std::string quoted = arg;
        if (!quoted.empty() && quoted.back() == '\\') quoted += '\\';
        line += (line.empty() ? "\"" : " \"") + quoted + "\"";
    }
    const std::wstring program = widenUtf8(SystemFolders().programFile());
    const std::wstring parameters = widenUtf8(line);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = L"runas";
    info.lpFile = program.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info) || !info.hProcess) return std::nullopt;
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(info.hProcess, &status);
    CloseHandle(info.hProcess);
    return static_cast<int>(status);
}

} // namespace host
