#include "win32/system_message.h"

#include "win32/handles.h"
#include "win32/utf8_paths.h"

namespace host {

std::string systemMessage(DWORD error) {
    UniqueLocal<wchar_t> text;
    // The buffer's address comes back where the text would go.
    const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, error, 0, reinterpret_cast<wchar_t*>(text.put()), 0, nullptr);
    std::wstring message = text ? std::wstring(text.get(), n) : std::wstring();
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    return message.empty() ? "system error " + std::to_string(error) : narrowToUtf8(message);
}

} // namespace host
