#include "Wizard/Switches.h"

#include <cctype>

namespace wizard {

namespace {

enum class Takes { Nothing, Folder, File };

struct SwitchRow {
    const char* name;
    Takes takes;
    bool setupOnly;
    const char* help;
    void (*apply)(Switches&, const std::string& value);
};

// One table for parsing and for the help box, so the two cannot drift.
const SwitchRow kSwitches[] = {
    {"/SILENT", Takes::Nothing, false, "shows only the progress page",
     [](Switches& s, const std::string&) {
         if (s.quiet == Quiet::Shown) s.quiet = Quiet::Silent;  // /VERYSILENT wins, in either order
     }},
    {"/VERYSILENT", Takes::Nothing, false, "shows nothing",
     [](Switches& s, const std::string&) { s.quiet = Quiet::VerySilent; }},
    {"/DIR", Takes::Folder, true, "installs into the folder, checked as the folder page checks it",
     [](Switches& s, const std::string& value) { s.dir = value; }},
    {"/NOICONS", Takes::Nothing, true, "makes no desktop shortcut",
     [](Switches& s, const std::string&) { s.noIcons = true; }},
    {"/LOG", Takes::File, false, "writes every step into the file (UTF-8 text)",
     [](Switches& s, const std::string& value) { s.log = value; }},
    {"/SUPPRESSMSGBOXES", Takes::Nothing, false, "answers every question with its default",
     [](Switches& s, const std::string&) { s.suppressMessageBoxes = true; }},
    {"/HELP", Takes::Nothing, false, "shows this list", [](Switches& s, const std::string&) { s.help = true; }},
    {"/?", Takes::Nothing, false, nullptr, [](Switches& s, const std::string&) { s.help = true; }},
};

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

const char* placeholder(Takes takes) { return takes == Takes::Folder ? "=\"folder\"" : "=\"file\""; }

// A quote is never part of a path: one left over around the value (a
// folder ending in \" keeps its closing quote when Windows splits the line)
// goes.
std::string unquoted(std::string value) {
    if (!value.empty() && value.front() == '"') value.erase(0, 1);
    if (!value.empty() && value.back() == '"') value.pop_back();
    return value;
}

std::string syntax(const SwitchRow& row) {
    return std::string(row.name) + (row.takes == Takes::Nothing ? "" : placeholder(row.takes));
}

bool offered(const SwitchRow& row, Program program) { return !row.setupOnly || program == Program::Setup; }

} // namespace

// The first refusal is the one named; the switches after it are still read,
// so that a refused silent run stays silent and still writes its log.
ParsedSwitches parseSwitches(const std::vector<std::string>& args, Program program) {
    ParsedSwitches parsed;
    const auto refuse = [&](const std::string& why) {
        if (parsed.refusal.empty()) parsed.refusal = why;
    };
    for (const std::string& arg : args) {
        const std::size_t equals = arg.find('=');
        const std::string name = upper(arg.substr(0, equals));
        const SwitchRow* row = nullptr;
        for (const SwitchRow& candidate : kSwitches)
            if (name == candidate.name && offered(candidate, program)) row = &candidate;
        if (!row) {
            refuse(arg.empty() || arg.front() != '/'
                       ? "\"" + arg + "\" is not a switch (a folder or file with spaces goes in double quotes)."
                       : "Unknown switch \"" + arg + "\".");
            continue;
        }
        const std::string value = equals == std::string::npos ? std::string() : unquoted(arg.substr(equals + 1));
        if (row->takes == Takes::Nothing && equals != std::string::npos) {
            refuse(std::string(row->name) + " takes no value: \"" + arg + "\".");
        } else if (row->takes != Takes::Nothing && value.empty()) {
            refuse(std::string(row->name) + " needs a " + (row->takes == Takes::Folder ? "folder" : "file") + ": " +
                   syntax(*row) + ".");
        } else {
            row->apply(parsed.switches, value);
        }
    }
    return parsed;
}

std::string switchHelp(Program program) {
    const bool setup = program == Program::Setup;
    std::string text = setup ? "Setup.exe" : "Uninstall.exe";
    text += " takes these switches, in any case and any order:\n";
    for (const SwitchRow& row : kSwitches) {
        if (!row.help || !offered(row, program)) continue;
        // Appended piece by piece: GCC 12 warns wrongly about one long sum here.
        text += '\n';
        text += syntax(row);
        if (row.name == std::string("/HELP")) text += " or /?";
        text += ": ";
        text += row.help;
    }
    text += setup ? "\n\nExit status: 0 installed, 1 failed (the log says why), 2 cancelled or the command line refused."
                  : "\n\nExit status: 0 uninstalled, 1 failed (the log says why), 2 cancelled or the command line "
                    "refused.";
    return text;
}

} // namespace wizard
