// The mental-state list: a press and release leave exactly the pressed entry
// ticked, name it, and make the list the tone source for the next Start.
#include "Lumetra/Form1.h"

#include "core/errors.h"

namespace lumetra {

// The list has already made the pressed entry current. The mouse arguments
// are not read: any button will do.
void Form1::MentalState_MouseDown(const forms::MouseArgs&) {
    rt::ResumeNext steps;
    steps([&] { ChosenIndex = static_cast<std::int16_t>(MentalState.listIndex()); });
    for (int i = 0; i < MentalState.ListCount(); ++i) steps([&] { MentalState.setSelected(i, false); });
    steps([&] { CustomMode = false; });
}

// With no current entry (-1) nothing is ticked and the name is empty.
void Form1::MentalState_MouseUp(const forms::MouseArgs&) {
    rt::ResumeNext steps;
    steps([&] { MentalState.setSelected(ChosenIndex, true); });
    steps([&] { Label17.setCaption(MentalState.text()); });
}

} // namespace lumetra
