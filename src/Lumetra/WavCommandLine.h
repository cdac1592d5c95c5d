#pragma once
// The program's one command line: it writes a session into a WAV file and
// ends, with no window.
//
//   "Corvane Lumetra.exe" /wav FILE [/minutes N] [/preset N | /beat HZ] [/volume V]
//
// What the switches leave open comes from the saved settings, as at start-up:
// the first preset, or the saved slider position when the slider was the last
// tone source, and the saved volume. A bad value names itself and nothing is
// written.
#include "Lumetra/ToneSession.h"

#include "platform/files.h"

#include <optional>
#include <string>
#include <vector>

namespace lumetra {

struct WavCommand {
    std::string path;
    int minutes = 30;
    std::optional<int> preset;  // 1..11, the list's order
    std::optional<int> beat;    // 0..30 Hz, the slider's positions
    std::optional<int> volume;  // 0 full .. -10000 silence
};

// A command, or the message that says what is wrong with the arguments.
struct ParsedWavCommand {
    std::optional<WavCommand> command;
    std::string error;
};
ParsedWavCommand parseWavCommand(const std::vector<std::string>& args);

// The switches laid over the state Start reads after start-up.
StartInputs withSwitches(const WavCommand& command, StartInputs started);

struct WavCommandResult {
    int exitCode = 0;     // 0 written, 1 not
    std::string message;  // why not
};

// Parses, loads the window's saved settings (the window is never shown) and
// writes the file.
WavCommandResult runWavCommandLine(const std::vector<std::string>& args, Form1& window, platform::FileSystem& files);

} // namespace lumetra
