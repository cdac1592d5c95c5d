#pragma once
// The completion window both wizards end in: a white strip with the bold
// result line and the emblem, the closing text, a line about the maker's
// site and the hidden product name. Each program adds its own controls and
// then its "Done" button: the buttons are made last, so that Tab reaches
// the program's own controls first.
#include "forms/controls.h"
#include "forms/form.h"

namespace wizard {

class DoneWindow : public forms::Form {
public:
    forms::Label Label3{*this, "Label3"};  // white header strip
    forms::Label Label1{*this, "Label1"};
    forms::Image Image2{*this, "Image2"};
    forms::Label ThankYouLabel{*this, "ThankYouLabel"};
    forms::Label Label2{*this, "Label2"};
    forms::Label ShortcutName{*this, "ShortcutName"};

protected:
    // The window titled "Install complete!" whose strip says `result`; the
    // closing text is `thanksHeight` high and the site line below it at
    // `siteTop`, saying `site`.
    DoneWindow(const std::string& result, int thanksHeight, int siteTop, const std::string& site);
    // "Done" at the bottom right: Enter and Esc both press it.
    void placeDoneButton(forms::CommandButton& done);
};

} // namespace wizard
