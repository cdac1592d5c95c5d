#include "Wizard/Language.h"

#include "platform/paths.h"

#include <utility>

namespace wizard {

namespace {

Language current = Language::English;
// Romanian texts said so far, each with its English twin, for the log.
std::vector<std::pair<std::string, std::string>> twins;

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> args, bool argsInEnglish) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n = i + 2 < pattern.size() && pattern[i] == '{' && pattern[i + 2] == '}'
                                  ? static_cast<std::size_t>(pattern[i + 1] - '1')
                                  : args.size();
        if (n >= args.size()) {
            out += pattern[i];
            continue;
        }
        const std::string_view arg = args.begin()[n];
        out += argsInEnglish ? inEnglish(std::string(arg)) : std::string(arg);
        i += 2;
    }
    return out;
}

} // namespace

void setLanguage(Language language) { current = language; }

Language language() { return current; }

std::string say(const Text& text, std::initializer_list<std::string_view> args) {
    if (current == Language::English) return filled(text.english, args, false);
    std::string shown = filled(text.romanian, args, false);
    std::string english = filled(text.english, args, true);
    if (shown != english) twins.emplace_back(shown, std::move(english));
    return shown;
}

std::string inEnglish(const std::string& shown) {
    // The latest first: the same Romanian text always has the same twin.
    for (auto twin = twins.rbegin(); twin != twins.rend(); ++twin)
        if (twin->first == shown) return twin->second;
    return shown;
}

std::optional<Language> languageSwitch(const std::vector<std::string>& args) {
    std::optional<Language> chosen;
    for (const std::string& arg : args) {
        if (arg.size() != 8 || !platform::sameTextIgnoringCase(std::string_view(arg).substr(0, 6), "/LANG=")) continue;
        const std::string_view code = std::string_view(arg).substr(6);
        if (platform::sameTextIgnoringCase(code, "en")) chosen = Language::English;
        else if (platform::sameTextIgnoringCase(code, "ro")) chosen = Language::Romanian;
    }
    return chosen;
}

Language chooseLanguage(const std::vector<std::string>& args, bool romanianInterface) {
    return languageSwitch(args).value_or(romanianInterface ? Language::Romanian : Language::English);
}

} // namespace wizard
