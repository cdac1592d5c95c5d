#include "win32/command_line.h"

#include "win32/handles.h"
#include "win32/utf8_paths.h"

#include <shellapi.h>

namespace host {

std::vector<std::string> commandLineArguments() {
    int count = 0;
    const UniqueLocal<LPWSTR> args(::CommandLineToArgvW(::GetCommandLineW(), &count));
    std::vector<std::string> result;
    for (int i = 1; args && i < count; ++i) result.push_back(narrowToUtf8(args.get()[i]));
    return result;
}

bool writeStandardError(const std::string& message) {
    HANDLE stream = ::GetStdHandle(STD_ERROR_HANDLE);
    UniqueFile console;
    // A window program has no stream of its own; the console of the prompt
    // that started it is one to borrow.
    if (!stream || stream == INVALID_HANDLE_VALUE) {
        if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return false;
        console.reset(::CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!console) return false;
        stream = console.get();
    }
    DWORD mode = 0, written = 0;
    if (::GetConsoleMode(stream, &mode)) {
        const std::wstring text = widenUtf8(message + "\r\n");
        return ::WriteConsoleW(stream, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
    }
    const std::string text = message + "\n";
    return ::WriteFile(stream, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
}

} // namespace host
