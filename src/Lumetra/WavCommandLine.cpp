#include "Lumetra/WavCommandLine.h"

#include "Lumetra/Form1.h"
#include "Lumetra/SaveWavTexts.h"
#include "Lumetra/WavFileWriter.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace lumetra {

namespace {

constexpr const char* kUsage =
    "Usage: \"Corvane Lumetra.exe\" /wav FILE [/minutes N] [/preset N | /beat HZ] [/volume V]";

struct NumberSwitch {
    const char* name;
    int low, high;
    const char* takes;
    std::optional<int> WavCommand::*field;
};

// /minutes is not optional in the command; it is kept apart below.
constexpr std::array<NumberSwitch, 3> kTones{{
    {"/preset", 1, 11, "a preset's place in the list, 1 to 11", &WavCommand::preset},
    {"/beat", 0, 30, "a beat of 0 to 30 Hz, as on the slider", &WavCommand::beat},
    {"/volume", -10000, 0, "a volume from 0 (full) down to -10000 (silence)", &WavCommand::volume},
}};
constexpr NumberSwitch kMinutes{"/minutes", 1, 120, "a whole number of minutes from 1 to 120", nullptr};

bool sameSwitch(const std::string& arg, const char* name) {
    return std::equal(arg.begin(), arg.end(), name, name + std::char_traits<char>::length(name),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// A whole number in the switch's range, nothing around it.
std::optional<int> numberFor(const NumberSwitch& s, const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < s.low || value > s.high) return std::nullopt;
    return value;
}

std::string badValue(const NumberSwitch& s, const std::string& text) {
    return std::string("Bad ") + s.name + " value \"" + text + "\": it takes " + s.takes + ".";
}

ParsedWavCommand failed(std::string why) { return {std::nullopt, std::move(why) + "\n" + kUsage}; }

} // namespace

ParsedWavCommand parseWavCommand(const std::vector<std::string>& args) {
    WavCommand command;
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const NumberSwitch* number = sameSwitch(arg, kMinutes.name) ? &kMinutes : nullptr;
        for (const NumberSwitch& s : kTones)
            if (sameSwitch(arg, s.name)) number = &s;
        if (!number && !sameSwitch(arg, "/wav")) return failed("Unknown argument \"" + arg + "\".");
        if (i + 1 == args.size()) return failed(arg + " needs a value.");
        const std::string& value = args[++i];
        if (!number) {
            command.path = value;
            haveFile = !value.empty();
            continue;
        }
        const std::optional<int> parsed = numberFor(*number, value);
        if (!parsed) return failed(badValue(*number, value));
        if (number->field) command.*(number->field) = parsed;
        else command.minutes = *parsed;
    }
    if (!haveFile) return failed("No file given to /wav.");
    if (command.preset && command.beat) return failed("/preset and /beat name two tone sources: give one.");
    return {command, {}};
}

// A preset is chosen as a press on the list chooses it, a beat as the slider
// does: each becomes the tone source.
StartInputs withSwitches(const WavCommand& command, StartInputs in) {
    if (command.preset) {
        in.customMode = false;
        in.listIndex = *command.preset - 1;
    }
    if (command.beat) {
        in.customMode = true;
        in.sliderPosition = *command.beat;
    }
    if (command.volume) in.volume = *command.volume;
    return in;
}

WavCommandResult runWavCommandLine(const std::vector<std::string>& args, Form1& window, platform::FileSystem& files) {
    const ParsedWavCommand parsed = parseWavCommand(args);
    if (!parsed.command) return {1, parsed.error};
    const WavCommand& command = *parsed.command;
    window.load();
    const ToneSession session = sessionStartWouldPlay(withSwitches(command, startInputsOf(window)));
    const std::string failure = writeWavFile(files, command.path, session, command.minutes);
    // The command line speaks English, whatever the window's language.
    if (!failure.empty()) return {1, cannotWriteMessage(saveWavTextsFor(0), command.path, failure)};
    return {0, {}};
}

} // namespace lumetra
