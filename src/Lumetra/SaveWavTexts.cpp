#include "Lumetra/SaveWavTexts.h"

namespace lumetra {

namespace {

std::string englishMinutes(int n) { return std::to_string(n) + (n == 1 ? " minute" : " minutes"); }

// Romanian counts from twenty on with "de": "5 minute", "20 de minute".
std::string romanianMinutes(int n) {
    if (n == 1) return "1 minut";
    const int lastTwo = n % 100;
    return std::to_string(n) + (lastTwo >= 1 && lastTwo <= 19 ? " minute" : " de minute");
}

const SaveWavTexts kEnglish{
    "Save as WAV...", "Save as WAV", "WAV audio (*.wav)", "&Length:", "Writing", "Cancel", "Cannot write",
    &englishMinutes,
};

const SaveWavTexts kRomanian{
    "Salveaza ca WAV...", "Salveaza ca WAV", "Sunet WAV (*.wav)", "&Durata:", "Se scrie", "Anuleaza",
    "Nu se poate scrie", &romanianMinutes,
};

} // namespace

const SaveWavTexts& saveWavTextsFor(int languageIndex) { return languageIndex == 0 ? kEnglish : kRomanian; }

std::string cannotWriteMessage(const SaveWavTexts& texts, const std::string& path, const std::string& reason) {
    return std::string(texts.cannotWrite) + " \"" + path + "\": " + reason + ".";
}

} // namespace lumetra
