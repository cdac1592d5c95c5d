#pragma once
// The language both wizards speak: Romanian for a user whose Windows speaks
// Romanian, English for everyone else, or the one /LANG= names. Each
// program keeps its texts in one table with a column per language; a text
// with placeholders ({1}, {2}...) is a whole sentence to fill in, never a
// piece to join to others.
//
// The log stays English, for administrators and scripts: every text filled
// in Romanian is remembered with its English twin, and the log writes the
// twin (inEnglish).
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wizard {

enum class Language { English, Romanian };

// One text of a table, in both languages (UTF-8).
struct Text {
    const char* english;
    const char* romanian;
};

void setLanguage(Language language);
Language language();

// The text in the wizard's language, each {n} replaced by the n-th argument.
std::string say(const Text& text, std::initializer_list<std::string_view> args = {});

// The English twin of a text `say` gave in Romanian; any other text as it is.
std::string inEnglish(const std::string& shown);

// The language /LANG=en or /LANG=ro asks for among the arguments, in any
// case; nothing without it or for another value (the switches refuse that).
std::optional<Language> languageSwitch(const std::vector<std::string>& args);

// /LANG= when given, else Romanian for a Romanian interface.
Language chooseLanguage(const std::vector<std::string>& args, bool romanianInterface);

} // namespace wizard
