// The two caption sets: the preset list refilled, the thirteen captions, and
// the language combo.
#include "Lumetra/Language.h"

#include "forms/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using lumetra::LanguageTargets;
namespace Language = lumetra::Language;

struct Window {
    forms::Form form{"Form1"};
    forms::ListBox MentalState{form, "MentalState"};
    forms::Label Label3{form, "Label3"}, Label7{form, "Label7"}, Label11{form, "Label11"},
        Label13{form, "Label13"}, Label14{form, "Label14"}, Label10{form, "Label10"},
        Label17{form, "Label17"}, Label18{form, "Label18"}, Label20{form, "Label20"},
        Label21{form, "Label21"}, Label19{form, "Label19"}, Label6{form, "Label6"}, Label5{form, "Label5"};
    forms::ComboBox Combo1{form, "Combo1"};
    LanguageTargets targets{MentalState, Label3, Label7, Label11, Label13, Label14, Label10,
                            Label17, Label18, Label20, Label21, Label19, Label6, Label5};

    Window() {
        MentalState.setStyle(forms::ListBox::Style::CheckBox);
        Combo1.AddItem("English");
        Combo1.AddItem("Romana");
    }
    std::vector<std::string> presets() const {
        std::vector<std::string> items;
        for (int i = 0; i < MentalState.ListCount(); ++i) items.push_back(MentalState.List(i));
        return items;
    }
    // Captions in the order both languages set them.
    std::vector<std::pair<std::string, std::string>> captions() const {
        std::vector<std::pair<std::string, std::string>> out;
        for (const forms::Label* l : Language::captionLabels(targets)) out.emplace_back(l->name(), l->caption());
        return out;
    }
};

const std::vector<std::string> kEnglishPresets = {
    "Attention focusing", "Creativity increase", "Learning (for studying)", "Meditation normal",
    "Meditation deep", "Quick mental refresher", "Relaxation but staying focused", "Relaxation - general",
    "Schumann resonance", "Sleep induction", "Simple Hypnosis"};
const std::vector<std::string> kRomanianPresets = {
    "Atent, concentrat", "Cresterea creativitatii", "Invatare (pentru studiat)", "Meditatie normal",
    "Meditatie adanc", "Improspatare stare rapida", "Relaxat, dar concentrat", "Relaxat - general",
    "Rezonanta Schumann", "Inductia somnului", "Hipnoza simpla"};

struct CaptionRow {
    const char* label;
    const char* english;
    const char* romanian;
};
// The order in which the captions are set.
const CaptionRow kCaptions[] = {
    {"Label3", "Chose a mental state and press Start:", "Alege o stare si apoi apasa Start:"},
    {"Label7", "Frequency", "Frecventa"},
    {"Label11", "Left:", "Stanga:"},
    {"Label13", "Right:", "Dreapta:"},
    {"Label14", "Difference:", "Diferenta:"},
    {"Label10", "Mental state", "Starea mintii"},
    {"Label17", "None selected", "Nu este selectata"},
    {"Label18", "Running", "Ruleaza"},
    {"Label20", "Volume", "Volum"},
    {"Label21", "You can chose a item from the list, or you can set the frequency manually",
     "Poti selecta o optiune din lista, sau poti seta frecventa dorita manual"},
    {"Label19", "Language", "Limba"},
    {"Label6", "This software is based on frequency following response theory.",
     "Acest software este bazat pe teoria 'Frequency following response'."},
    {"Label5", "Use this program on your own risk", "Folosesti acest program pe propriul risc."},
};

std::vector<std::pair<std::string, std::string>> expectedCaptions(bool english) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& row : kCaptions) out.emplace_back(row.label, english ? row.english : row.romanian);
    return out;
}

TEST(Language, EachLanguageFillsThePresetsAndCaptionsInTableOrder) {
    for (bool english : {true, false}) {
        SCOPED_TRACE(english ? "English" : "Romanian");
        Window w;
        english ? Language::ApplyEnglish(w.targets) : Language::ApplyRomanian(w.targets);
        EXPECT_EQ(w.presets(), english ? kEnglishPresets : kRomanianPresets);
        EXPECT_EQ(w.captions(), expectedCaptions(english));
    }
}

TEST(Language, SwitchingRefillsTheListAndDropsItsSelection) {
    Window w;
    Language::ApplyEnglish(w.targets);
    w.MentalState.setSelected(4, true);
    w.MentalState.setListIndex(4);
    w.Label17.setCaption("Meditation deep");

    Language::ApplyRomanian(w.targets);

    EXPECT_EQ(w.presets(), kRomanianPresets);  // replaced, not appended
    EXPECT_EQ(w.MentalState.listIndex(), -1);
    for (int i = 0; i < w.MentalState.ListCount(); ++i) EXPECT_FALSE(w.MentalState.selected(i)) << i;
    EXPECT_EQ(w.Label17.caption(), "Nu este selectata");
}

TEST(Language, TheComboAppliesEnglishAtZeroRomanianAtOneAndNothingOtherwise) {
    struct Case {
        int index;
        const char* label3;  // what Label3 reads afterwards
    };
    const Case cases[] = {
        {0, "Chose a mental state and press Start:"},
        {1, "Alege o stare si apoi apasa Start:"},
        {-1, "untouched"},
        {2, "untouched"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        Window w;
        w.Combo1.AddItem("third");
        w.Label3.setCaption("untouched");
        w.MentalState.AddItem("untouched");
        w.Combo1.Click = [&] { Language::Combo1_Click(w.Combo1, w.targets); };
        if (c.index != -1) w.Combo1.setListIndex(c.index);
        Language::Combo1_Click(w.Combo1, w.targets);  // as the load sequence may call it again
        EXPECT_EQ(w.Label3.caption(), c.label3);
        const bool changed = c.index == 0 || c.index == 1;
        EXPECT_EQ(w.MentalState.ListCount(), changed ? 11 : 1);
    }
}

} // namespace
