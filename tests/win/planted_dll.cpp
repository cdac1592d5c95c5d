// A DLL named like one the programs load at run time, as someone might leave
// it beside a downloaded program. It only records, beside itself, that its
// code ran in a process.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[MAX_PATH] = {};
    std::wstring marker(path, ::GetModuleFileNameW(self, path, MAX_PATH));
    marker.erase(marker.find_last_of(L'\\') + 1);
    marker += L"planted-dll-ran";
    HANDLE file = ::CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    return TRUE;
}
