#include "Wizard/Switches.h"

#include "Wizard/Language.h"

#include <cctype>

namespace wizard {

namespace {

enum class Takes { Nothing, Folder, File, Language };

struct SwitchRow {
    const char* name;
    Takes takes;
    bool setupOnly;
    Text help;
    void (*apply)(Switches&, const std::string& value);
};

// One table for parsing and for the help box, so the two cannot drift.
const SwitchRow kSwitches[] = {
    {"/SILENT", Takes::Nothing, false, {"shows only the progress page", "arată doar pagina de progres"},
     [](Switches& s, const std::string&) {
         if (s.quiet == Quiet::Shown) s.quiet = Quiet::Silent;  // /VERYSILENT wins, in either order
     }},
    {"/VERYSILENT", Takes::Nothing, false, {"shows nothing", "nu arată nimic"},
     [](Switches& s, const std::string&) { s.quiet = Quiet::VerySilent; }},
    {"/DIR", Takes::Folder, true,
     {"installs into the folder, checked as the folder page checks it",
      "instalează în folder, verificat cum îl verifică pagina folderului"},
     [](Switches& s, const std::string& value) { s.dir = value; }},
    {"/ALLUSERS", Takes::Nothing, true,
     {"installs for all users (needs administrator rights)",
      "instalează pentru toți utilizatorii (necesită drepturi de administrator)"},
     [](Switches& s, const std::string&) { s.mode = InstallMode::AllUsers; }},
    {"/CURRENTUSER", Takes::Nothing, true,
     {"installs for the current user only, without administrator rights",
      "instalează doar pentru utilizatorul curent, fără drepturi de administrator"},
     [](Switches& s, const std::string&) { s.mode = InstallMode::CurrentUser; }},
    {"/NOICONS", Takes::Nothing, true, {"makes no desktop shortcut", "nu creează scurtătură pe desktop"},
     [](Switches& s, const std::string&) { s.noIcons = true; }},
    {"/LOG", Takes::File, false,
     {"writes every step into the file (UTF-8 text)", "scrie fiecare pas în fișier (text UTF-8, în engleză)"},
     [](Switches& s, const std::string& value) { s.log = value; }},
    {"/LANG", Takes::Language, false, {"speaks English (en) or Romanian (ro)", "vorbește engleză (en) sau română (ro)"},
     [](Switches&, const std::string&) {}},  // read before the switches (Wizard/Language.h)
    {"/SUPPRESSMSGBOXES", Takes::Nothing, false,
     {"answers every question with its default", "răspunde la fiecare întrebare cu varianta implicită"},
     [](Switches& s, const std::string&) { s.suppressMessageBoxes = true; }},
    {"/HELP", Takes::Nothing, false, {"shows this list", "arată această listă"},
     [](Switches& s, const std::string&) { s.help = true; }},
    {"/?", Takes::Nothing, false, {nullptr, nullptr}, [](Switches& s, const std::string&) { s.help = true; }},
    {"/ELEVATED", Takes::Nothing, false, {nullptr, nullptr}, [](Switches& s, const std::string&) { s.elevatedCopy = true; }},
};

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string placeholder(Takes takes) {
    if (takes == Takes::Language) return "=en|ro";
    return say(takes == Takes::Folder ? Text{"=\"folder\"", "=\"folder\""} : Text{"=\"file\"", "=\"fișier\""});
}

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
        if (parsed.accepted) parsed.accepted = rt::fail(why);
    };
    for (const std::string& arg : args) {
        const std::size_t equals = arg.find('=');
        const std::string name = upper(arg.substr(0, equals));
        const SwitchRow* row = nullptr;
        for (const SwitchRow& candidate : kSwitches)
            if (name == candidate.name && offered(candidate, program)) row = &candidate;
        if (!row) {
            refuse(arg.empty() || arg.front() != '/'
                       ? say({"\"{1}\" is not a switch (a folder or file with spaces goes in double quotes).",
                              "„{1}” nu este un parametru (un folder sau un fișier cu spații se scrie între ghilimele)."},
                             {arg})
                       : say({"Unknown switch \"{1}\".", "Parametru necunoscut: „{1}”."}, {arg}));
            continue;
        }
        const std::string value = equals == std::string::npos ? std::string() : unquoted(arg.substr(equals + 1));
        if (row->takes == Takes::Nothing && equals != std::string::npos) {
            refuse(say({"{1} takes no value: \"{2}\".", "{1} nu primește nicio valoare: „{2}”."}, {row->name, arg}));
        } else if (row->takes == Takes::Language && !languageSwitch({arg})) {
            refuse(say({"{1} takes en or ro: \"{2}\".", "{1} primește en sau ro: „{2}”."}, {row->name, arg}));
        } else if (row->takes != Takes::Nothing && value.empty()) {
            refuse(row->takes == Takes::Folder
                       ? say({"{1} needs a folder: {2}.", "{1} are nevoie de un folder: {2}."}, {row->name, syntax(*row)})
                       : say({"{1} needs a file: {2}.", "{1} are nevoie de un fișier: {2}."}, {row->name, syntax(*row)}));
        } else {
            row->apply(parsed.switches, value);
        }
    }
    return parsed;
}

InstallMode chosenMode(const Switches& switches, bool elevated) {
    if (switches.mode) return *switches.mode;
    return switches.quiet == Quiet::Shown || elevated ? InstallMode::AllUsers : InstallMode::CurrentUser;
}

std::string switchHelp(Program program) {
    const bool setup = program == Program::Setup;
    std::string text = say({"{1} takes these switches, in any case and any order:",
                            "{1} primește acești parametri, scriși cu orice fel de litere și în orice ordine:"},
                           {setup ? "Setup.exe" : "Uninstall.exe"});
    text += '\n';
    for (const SwitchRow& row : kSwitches) {
        if (!row.help.english || !offered(row, program)) continue;
        // Appended piece by piece: GCC 12 warns wrongly about one long sum here.
        text += '\n';
        text += syntax(row);
        if (row.name == std::string("/HELP")) text += say({" or /?", " sau /?"});
        text += ": ";
        text += say(row.help);
    }
    text += "\n\n";
    text += setup ? say({"Exit status: 0 installed, 1 failed (the log says why), 2 cancelled or the command line refused.",
                         "Cod de ieșire: 0 instalat, 1 eșuat (jurnalul spune de ce), 2 anulat sau linie de comandă "
                         "refuzată."})
                  : say({"Exit status: 0 uninstalled, 1 failed (the log says why), 2 cancelled or the command line "
                         "refused.",
                         "Cod de ieșire: 0 dezinstalat, 1 eșuat (jurnalul spune de ce), 2 anulat sau linie de comandă "
                         "refuzată."});
    return text;
}

} // namespace wizard
