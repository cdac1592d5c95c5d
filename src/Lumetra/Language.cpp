#include "Lumetra/Language.h"

namespace lumetra::Language {

const Texts kEnglish = {
    {
        "Attention focusing",
        "Creativity increase",
        "Learning (for studying)",
        "Meditation normal",
        "Meditation deep",
        "Quick mental refresher",
        "Relaxation but staying focused",
        "Relaxation - general",
        "Schumann resonance",
        "Sleep induction",
        "Simple Hypnosis",
    },
    {
        "Chose a mental state and press Start:",
        "Frequency",
        "Left:",
        "Right:",
        "Difference:",
        "Mental state",
        "None selected",
        "Running",
        "Volume",
        "You can chose a item from the list, or you can set the frequency manually",
        "Language",
        "This software is based on frequency following response theory.",
        "Use this program on your own risk",
    },
};

const Texts kRomanian = {
    {
        "Atent, concentrat",
        "Cresterea creativitatii",
        "Invatare (pentru studiat)",
        "Meditatie normal",
        "Meditatie adanc",
        "Improspatare stare rapida",
        "Relaxat, dar concentrat",
        "Relaxat - general",
        "Rezonanta Schumann",
        "Inductia somnului",
        "Hipnoza simpla",
    },
    {
        "Alege o stare si apoi apasa Start:",
        "Frecventa",
        "Stanga:",
        "Dreapta:",
        "Diferenta:",
        "Starea mintii",
        "Nu este selectata",
        "Ruleaza",
        "Volum",
        "Poti selecta o optiune din lista, sau poti seta frecventa dorita manual",
        "Limba",
        "Acest software este bazat pe teoria 'Frequency following response'.",
        "Folosesti acest program pe propriul risc.",
    },
};

std::array<forms::Label*, kCaptionCount> captionLabels(const LanguageTargets& t) {
    return {&t.Label3, &t.Label7, &t.Label11, &t.Label13, &t.Label14, &t.Label10, &t.Label17,
            &t.Label18, &t.Label20, &t.Label21, &t.Label19, &t.Label6, &t.Label5};
}

void Apply(const Texts& texts, const LanguageTargets& targets) {
    targets.MentalState.Clear();
    for (const char* name : texts.presets) targets.MentalState.AddItem(name);
    const auto labels = captionLabels(targets);
    for (int i = 0; i < kCaptionCount; ++i) labels[i]->setCaption(texts.captions[i]);
}

void ApplyEnglish(const LanguageTargets& targets) {
    Apply(kEnglish, targets);
}

void ApplyRomanian(const LanguageTargets& targets) {
    Apply(kRomanian, targets);
}

void Combo1_Click(const forms::ComboBox& combo, const LanguageTargets& targets) {
    if (combo.listIndex() == 0) ApplyEnglish(targets);
    if (combo.listIndex() == 1) ApplyRomanian(targets);
}

} // namespace lumetra::Language
