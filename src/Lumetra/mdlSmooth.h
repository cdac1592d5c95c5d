#pragma once
// The main window's rounded outline.
#include "forms/form.h"

namespace lumetra::mdlSmooth {

// Gives the form a rounded-rectangle outline over its whole outer size in
// pixels, with a corner ellipse `cornerSize` pixels wide and high on a 96-DPI
// screen, as many more as the screen's DPI is higher. Sizes are converted to
// whole pixels half to even.
void RoundCorners(forms::Form& form, double cornerSize);

} // namespace lumetra::mdlSmooth
