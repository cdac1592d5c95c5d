// The host's start-up and its end, seen from outside: host_probe.exe runs as
// a process of its own in a fresh folder, and this test reads its windows and
// its exit status as a person or a script would.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::wstring folderOfThisTest() {
    wchar_t path[MAX_PATH] = {};
    std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return folder.erase(folder.find_last_of(L'\\') + 1);
}

std::wstring textOf(HWND h) {
    wchar_t buffer[512] = {};
    GetWindowTextW(h, buffer, 512);
    std::wstring text(buffer);
    std::erase(text, L'\r');
    return text;
}

struct DialogSearch {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK collectDialog(HWND h, LPARAM data) {
    auto* search = reinterpret_cast<DialogSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    wchar_t cls[32] = {};
    GetClassNameW(h, cls, 32);
    if (owner == search->process && std::wstring(cls) == L"#32770" && IsWindowVisible(h)) search->found.push_back(h);
    return TRUE;
}

// The message boxes a process shows.
std::vector<HWND> dialogsOf(DWORD process) {
    DialogSearch search{process, {}};
    EnumWindows(&collectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK collectText(HWND h, LPARAM data) {
    reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(textOf(h));
    return TRUE;
}

std::vector<std::wstring> childTexts(HWND parent) {
    std::vector<std::wstring> texts;
    EnumChildWindows(parent, &collectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// A started probe; one that is still running when this goes is ended.
class Probe {
public:
    explicit Probe(PROCESS_INFORMATION pi) : pi_(pi) {}
    ~Probe() {
        if (pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi_.hProcess, 99);
        if (pi_.hThread) CloseHandle(pi_.hThread);
        if (pi_.hProcess) CloseHandle(pi_.hProcess);
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    DWORD id() const { return pi_.dwProcessId; }
    bool ended(DWORD waitMs) const { return WaitForSingleObject(pi_.hProcess, waitMs) == WAIT_OBJECT_0; }
    // The exit status, or STILL_ACTIVE when the process would not end.
    DWORD finish() const {
        ended(30000);
        DWORD status = STILL_ACTIVE;
        GetExitCodeProcess(pi_.hProcess, &status);
        return status;
    }

private:
    PROCESS_INFORMATION pi_;
};

class HostProcess : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"host-probe-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(GetTickCount()) + L"\\";
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        ASSERT_TRUE(CopyFileW((folderOfThisTest() + L"host_probe.exe").c_str(), (folder + L"host_probe.exe").c_str(), FALSE));
    }
    void TearDown() override {
        for (const wchar_t* name : {L"host_probe.exe", L"dsound.dll", L"planted-dll-ran"})
            DeleteFileW((folder + name).c_str());
        RemoveDirectoryW(folder.c_str());
    }

    PROCESS_INFORMATION start(const std::wstring& mode) {
        std::wstring command = L"\"" + folder + L"host_probe.exe\" " + mode;
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi));
        return pi;
    }

    std::wstring folder;
};

TEST_F(HostProcess, AnUnhandledErrorIsShownThenEndsTheProgramWithAFailingStatus) {
    // Each a path from a window procedure into the program's code, and Form_Load run from main.
    for (const wchar_t* mode : {L"tick-error", L"load-error", L"paint-error", L"caption-error", L"dpi-error"}) {
        SCOPED_TRACE(testing::Message() << std::string(mode, mode + wcslen(mode)));
        const Probe probe(start(mode));
        HWND box = nullptr;
        for (int i = 0; i < 600 && !box; ++i) {
            if (probe.ended(100)) break;  // ended without a word
            const auto dialogs = dialogsOf(probe.id());
            if (!dialogs.empty()) box = dialogs.front();
        }
        if (!box) {
            ADD_FAILURE() << "no message box";
            continue;
        }
        EXPECT_EQ(textOf(box), L"host_probe");
        const auto texts = childTexts(box);
        EXPECT_NE(std::find(texts.begin(), texts.end(), L"Run-time error '5':\n\nInvalid procedure call or argument"),
                  texts.end());
        EXPECT_FALSE(probe.ended(0));  // it waits for the user
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        const DWORD status = probe.finish();
        EXPECT_NE(status, 0u);
        EXPECT_NE(status, STILL_ACTIVE);
    }
}

TEST_F(HostProcess, ADllPlantedBesideTheProgramIsNeverLoaded) {
    ASSERT_TRUE(CopyFileW((folderOfThisTest() + L"planted\\dsound.dll").c_str(), (folder + L"dsound.dll").c_str(), FALSE));
    // Wine runs its own dsound even when a DLL of that name lies beside the
    // program; told to prefer the one the search finds, as Windows does, it
    // shows which folder the search reached. (Windows has no such key.)
    const wchar_t* wineKey = L"Software\\Wine\\AppDefaults\\host_probe.exe\\DllOverrides";
    const wchar_t nativeFirst[] = L"native,builtin";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, wineKey, L"dsound", REG_SZ, nativeFirst, sizeof nativeFirst), ERROR_SUCCESS);
    struct Row {
        const wchar_t* mode;
        bool plantedRuns;
        DWORD status;
    };
    const Row rows[] = {
        {L"bare-by-name", true, 0},  // no start-up: the folder of the program comes first
        {L"by-name", false, 0},      // after the start-up: the system folder only
        {L"sound", false, 0},        // the sound library: DirectSound itself, not the planted one
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << std::string(row.mode, row.mode + wcslen(row.mode)));
        const std::wstring marker = folder + L"planted-dll-ran";
        DeleteFileW(marker.c_str());
        const Probe probe(start(row.mode));
        EXPECT_EQ(probe.finish(), row.status);
        EXPECT_EQ(GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES, row.plantedRuns);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\host_probe.exe");
}

} // namespace
