// Start-up: the settings file restores volume, language, slider and window
// position; then the window takes its outline, its language and a first preset.
#include "Lumetra/Form1.h"

#include "Lumetra/SettingsLocation.h"
#include "Lumetra/mdlSmooth.h"

#include "core/conversions.h"
#include "core/errors.h"

namespace lumetra {

namespace {

// Settings lines, counted from 0.
enum SettingsLine { kVolume, kLanguage, kSlider, kLeft, kTop };

// The title strip a user needs beside the pictures to drag the window back.
constexpr int kGrabbablePixels = 100;

} // namespace

// Each step that fails (no file, no such line, a text that does not convert,
// a value its control refuses) is skipped and the next one runs. A missing
// line leaves its setting at the design value.
void Form1::Form_Load() {
    rt::ResumeNext steps;
    // The text of a settings line, made the list's current item first: a line
    // that is not there is refused, which ends the step.
    auto line = [this](int n) {
        Setari.setListIndex(n);
        return Setari.text();
    };
    steps([&] { Data.IncarcaData(SettingsLocation(system_.folders, system_.files).fileToLoad(), Setari); });
    steps([&] { VScroll1.setValue(rt::toInt16(line(kVolume))); });
    // Choosing the item raises the combo's Click, which applies the language.
    steps([&] { Combo1.setListIndex(rt::toInt16(line(kLanguage))); });
    steps([&] { FreqSlider.setValue(rt::toInt32(line(kSlider))); });
    // A window whose close picture or title strip lies off the screens could
    // be neither closed in the way that saves nor dragged back: the system
    // then chooses its place.
    if (savedPositionLeavesWindowUsable()) {
        steps([&] { setLeft(rt::toSingle(line(kLeft))); });
        steps([&] { setTop(rt::toSingle(line(kTop))); });
    }
    steps([&] { Image4.setTop(-10); });
    steps([&] { mdlSmooth::RoundCorners(*this, 11); });
    // English only for index 0; Romanian otherwise, with no item chosen too.
    steps([&] {
        if (Combo1.listIndex() == 0) Language::ApplyEnglish(languageTargets());
        else Language::ApplyRomanian(languageTargets());
    });
    steps([&] {
        MentalState.setSelected(0, true);
        MentalState.setListIndex(0);
    });
    steps([&] { Label17.setCaption(MentalState.text()); });
    steps([&] { nameControls(); });
}

// Where the saved Left and Top would put what a user must reach: the close
// picture, and beside it the minimize picture and kGrabbablePixels of the
// title strip, at the pictures' height. All of it must lie on the screens'
// work areas (off the task bar). A line that is missing or unusable keeps
// the window's own coordinate there.
bool Form1::savedPositionLeavesWindowUsable() {
    float left = this->left(), top = this->top();
    rt::ResumeNext steps;
    steps([&] {
        Setari.setListIndex(kLeft);
        left = rt::toSingle(Setari.text());
    });
    steps([&] {
        Setari.setListIndex(kTop);
        top = rt::toSingle(Setari.text());
    });
    bool usable = false;
    // Coordinates too large for a pixel position are on no screen.
    steps([&] {
        const forms::ScreenMetrics& metrics = forms::screen();
        const double x = forms::twipsToPixels(left, metrics.twipsPerPixelX);
        const double y = forms::twipsToPixels(top, metrics.twipsPerPixelY);
        auto across = [&](int twips) { return forms::twipsToPixels(twips, metrics.twipsPerPixelX); };
        auto down = [&](int twips) { return forms::twipsToPixels(twips, metrics.twipsPerPixelY); };
        platform::PixelRect reach;
        reach.left = rt::toInt32(x + across(Image6.left()) - kGrabbablePixels);
        reach.right = rt::toInt32(x + across(Image5.left() + Image5.width()));
        reach.top = rt::toInt32(y + down(Image5.top()));
        reach.bottom = rt::toInt32(y + down(Image5.top() + Image5.height()));
        usable = platform::coveredBy(reach, system_.monitors.workAreas());
    });
    return usable;
}

} // namespace lumetra
