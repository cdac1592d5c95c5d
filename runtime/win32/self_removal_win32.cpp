#include "win32/self_removal_win32.h"

#include "win32/handles.h"
#include "win32/system_message.h"
#include "win32/utf8_paths.h"

#include <shellapi.h>

#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

namespace host {

namespace {

constexpr const wchar_t* kRemoveArgument = L"/remove-after-exit";
// How long the copy waits for the first process; it has already shown its
// last window, so this is only a guard against waiting for ever.
constexpr DWORD kWaitForEndMs = 5 * 60 * 1000;

std::wstring quoted(const std::wstring& argument) {
    return L"\"" + argument + L"\"";
}

std::wstring temporaryFolder() {
    wchar_t temp[MAX_PATH + 1];
    const DWORD n = ::GetTempPathW(MAX_PATH + 1, temp);
    if (n == 0 || n > MAX_PATH) return {};
    return temp;
}

// A fresh name in the temporary folder for the copy.
std::wstring copyPath(const std::wstring& temporary) {
    return temporary + L"Corvane Uninstall " + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(::GetTickCount64()) + L".exe";
}

rt::Failure<> lastFailure() { return rt::fail(systemMessage(::GetLastError())); }

// Writes this program's bytes into a new file at `path`; the returned handle
// (inheritable, delete access only) deletes the file when its last holder
// closes it.
rt::Outcome<UniqueFile> writeDeleteOnCloseCopy(const std::wstring& programFile, const std::wstring& path) {
    const auto bytes = [&]() -> rt::Outcome<std::string> {
        const UniqueFile source(::CreateFileW(programFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!source) return lastFailure();
        LARGE_INTEGER size;
        if (!::GetFileSizeEx(source.get(), &size)) return lastFailure();
        if (size.QuadPart > 0x7fffffff) return rt::fail("the program is too large to copy");
        std::string data(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD got = 0;
        if (!::ReadFile(source.get(), data.data(), static_cast<DWORD>(data.size()), &got, nullptr)) return lastFailure();
        if (got != data.size()) return rt::fail("the program could not be read whole");
        return data;
    }();
    if (!bytes) return bytes.failure();

    UniqueFile writer(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!writer) return lastFailure();
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    // From here on the copy goes when the last handle goes, even if this
    // process fails before starting it.
    UniqueFile remover(::CreateFileW(path.c_str(), DELETE | SYNCHRONIZE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit, OPEN_EXISTING,
                                     FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (!remover) {
        const rt::Failure<> why = lastFailure();
        writer.reset();
        ::DeleteFileW(path.c_str());
        return why;
    }
    DWORD wrote = 0;
    const bool written = ::WriteFile(writer.get(), bytes->data(), static_cast<DWORD>(bytes->size()), &wrote, nullptr) &&
                         wrote == bytes->size();
    const DWORD error = written ? ERROR_SUCCESS : ::GetLastError();
    // The loader opens the copy without sharing write access: the writing
    // handle must be closed before the copy can start.
    writer.reset();
    if (!written) return rt::fail(error ? systemMessage(error) : "the copy could not be written whole");
    return remover;
}

// Deleting a program file can fail for a moment after its process ended,
// while the system still releases its image.
bool deleteWithRetries(const std::wstring& path) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (::DeleteFileW(path.c_str())) return true;
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;
        ::Sleep(100);
    }
    return false;
}

} // namespace

rt::Outcome<> Win32SelfRemoval::removeAfterExit(const std::string& programFile, const std::vector<std::string>& folders) {
    const std::wstring program = widenUtf8(programFile);
    const std::wstring temporary = temporaryFolder();
    if (temporary.empty()) return rt::fail("the system gives no temporary folder");
    const std::wstring copy = copyPath(temporary);
    const rt::Outcome<UniqueFile> remover = writeDeleteOnCloseCopy(program, copy);
    if (!remover) return remover.failure();

    UniqueHandle self;
    if (!::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentProcess(), ::GetCurrentProcess(), self.put(), SYNCHRONIZE,
                           TRUE, 0)) {
        return lastFailure();
    }
    std::wstring commandLine = quoted(copy) + L" " + kRemoveArgument + L" " +
                               std::to_wstring(reinterpret_cast<std::uintptr_t>(self.get())) + L" " + quoted(program);
    for (const std::string& folder : folders) commandLine += L" " + quoted(widenUtf8(folder));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // The copy works from the temporary folder: a current folder inside the
    // install folder would keep that folder from being removed.
    if (!::CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                          temporary.c_str(), &startup, &info)) {
        return lastFailure();  // closing `remover` deletes the copy
    }
    const StartedProcess started = ownStarted(info);  // nothing waits for it: closed here
    return {};
}

bool runSelfRemovalIfAsked() {
    int count = 0;
    const UniqueLocal<LPWSTR> args(::CommandLineToArgvW(::GetCommandLineW(), &count));
    if (!args) return false;
    const std::vector<std::wstring> argv(args.get(), args.get() + count);
    if (count < 4 || argv[1] != kRemoveArgument) return false;

    const auto first = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(std::wcstoull(argv[2].c_str(), nullptr, 10)));
    if (!first) return true;
    const UniqueHandle firstProcess(first);
    if (::WaitForSingleObject(first, kWaitForEndMs) != WAIT_OBJECT_0) return true;
    if (!deleteWithRetries(argv[3])) return true;
    // Innermost first; a folder that is not empty (as it should) stays, and
    // so does every folder above it.
    for (std::size_t i = 4; i < argv.size(); ++i)
        if (!::RemoveDirectoryW(argv[i].c_str())) break;
    return true;
}

} // namespace host
