// The window's own handlers: dragging it by its title strip, the web link and
// its hover colour, the close and minimize pictures, and the language combo.
#include "Lumetra/Form1.h"

#include "Lumetra/SettingsLocation.h"
#include "Product.h"

#include "core/conversions.h"

namespace lumetra {

namespace {

constexpr forms::Color kLinkHover = 0x0000FF;  // red
constexpr forms::Color kLinkRest = 0x000000;   // black

} // namespace

// A minimized or maximized window stays where it is.
void Form1::FormMove(forms::Form& Frm) {
    if (windowState() != State::Normal) return;
    system_.shell.dragWindow(Frm);
}

// Any button drags, wherever the press lands on the strip or the title.
void Form1::Image4_MouseDown(const forms::MouseArgs&) { FormMove(*this); }
void Form1::Label12_MouseDown(const forms::MouseArgs&) { FormMove(*this); }

// The English page for English; the Romanian page otherwise, also when no
// language has been chosen (the window then speaks Romanian).
void Form1::Label4_Click() {
    system_.shell.openUrl(Combo1.listIndex() == 0 ? product::WebSite::kEnglishPage : product::WebSite::kRomanianPage);
}

// The only way out that keeps the settings: the five lines are written, then
// the program ends at once, without unloading. A failed save does not keep
// the program from ending.
void Form1::Image5_Click() {
    Setari.Clear();
    Setari.AddItem(rt::toText(VScroll1.value()));
    Setari.AddItem(rt::toText(Combo1.listIndex()));
    Setari.AddItem(rt::toText(FreqSlider.value()));
    Setari.AddItem(rt::singleToText(left()));
    Setari.AddItem(rt::singleToText(top()));
    SettingsLocation(system_.folders, system_.files).save([this](const std::string& path) {
        return Data.SalveazaData(path, Setari);
    });
    // The tones fade out before the program ends; nothing else runs meanwhile.
    Sound.FadeOut();
    endProgram();
}

void Form1::Image6_Click() { setWindowState(State::Minimized); }

// The link turns red under the pointer and black again once the pointer is
// over the band or the window's background.
void Form1::Label4_MouseMove(const forms::MouseArgs&) { Label4.setForeColor(kLinkHover); }
void Form1::Form_MouseMove(const forms::MouseArgs&) { Label4.setForeColor(kLinkRest); }
void Form1::Image11_MouseMove(const forms::MouseArgs&) { Label4.setForeColor(kLinkRest); }

void Form1::Combo1_Click() {
    Language::Combo1_Click(Combo1, languageTargets());
    nameControls();
}

// English for the language box's item 0, Romanian otherwise, as the captions.
// The lists, the slider and the volume bar take the caption of the label
// beside them.
void Form1::nameControls() {
    const bool english = Combo1.listIndex() == 0;
    Image5.setAccessibleName(english ? "Close" : "Închide");
    Image6.setAccessibleName(english ? "Minimize" : "Minimizează");
    Ecran.setAccessibleName(english ? "Beat indicator" : "Indicatorul bătăilor");
    MentalState.setAccessibleName(Label3.caption());
    FreqSlider.setAccessibleName(Label21.caption());
    Combo1.setAccessibleName(Label19.caption());
    VScroll1.setAccessibleName(Label20.caption());
}

} // namespace lumetra
