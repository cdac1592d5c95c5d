#pragma once
// Everything the main window asks of the system besides sound, faked: the
// program in "/prog" with application data in "/appdata", files in memory,
// a shell that records, one 1280 x 1024 screen.
#include "Lumetra/Form1.h"
#include "fake_monitors.h"
#include "fixed_folders.h"
#include "memory_files.h"
#include "recording_shell.h"

#include "platform/paths.h"

#include <string>

namespace fakes {

struct FakeWindowPlatform {
    FixedFolders folders{"/prog", "/appdata"};
    MemoryFiles files;
    RecordingShell shell;
    FakeMonitors monitors;

    FakeWindowPlatform() { files.folders = {"/prog", "/appdata"}; }

    lumetra::WindowPlatform platform() { return {folders, files, shell, monitors}; }

    // settings.ini beside the program, joined as the platform joins paths.
    static std::string settingsPath() { return platform::joinPath("/prog", "settings.ini"); }
    void writeSettings(std::string text) { files.files[settingsPath()] = std::move(text); }
};

} // namespace fakes
