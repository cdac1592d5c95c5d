#pragma once
// The two caption sets of the main window. Each language refills the preset
// list (same order in both, so a position names the same preset) and sets the
// thirteen captions that depend on the language.
#include "forms/controls.h"
#include "forms/lists.h"

#include <array>

namespace lumetra {

// The controls a language touches, handed in by the window. The labels are in
// the order in which their captions are set.
struct LanguageTargets {
    forms::ListBox& MentalState;
    forms::Label& Label3;   // prompt above the preset list
    forms::Label& Label7;   // "Frequency" header
    forms::Label& Label11;  // "Left:"
    forms::Label& Label13;  // "Right:"
    forms::Label& Label14;  // "Difference:"
    forms::Label& Label10;  // "Mental state" header
    forms::Label& Label17;  // the selected preset
    forms::Label& Label18;  // "Running"
    forms::Label& Label20;  // "Volume" header
    forms::Label& Label21;  // hint under the indicator
    forms::Label& Label19;  // "Language" header
    forms::Label& Label6;   // note on the method
    forms::Label& Label5;   // risk notice
};

namespace Language {

inline constexpr int kPresetCount = 11;
inline constexpr int kCaptionCount = 13;

// One language's texts: preset names in list order, captions in the order of
// LanguageTargets.
struct Texts {
    std::array<const char*, kPresetCount> presets;
    std::array<const char*, kCaptionCount> captions;
};

extern const Texts kEnglish;
extern const Texts kRomanian;

// The labels of the targets in caption order.
std::array<forms::Label*, kCaptionCount> captionLabels(const LanguageTargets& targets);

// Clears the preset list (its selection goes with it), appends the presets,
// then sets the captions.
void Apply(const Texts& texts, const LanguageTargets& targets);
void ApplyEnglish(const LanguageTargets& targets);
void ApplyRomanian(const LanguageTargets& targets);

// The language combo was picked: index 0 English, index 1 Romanian; any other
// index changes nothing.
void Combo1_Click(const forms::ComboBox& combo, const LanguageTargets& targets);

} // namespace Language
} // namespace lumetra
