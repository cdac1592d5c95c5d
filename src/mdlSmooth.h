#pragma once
// The main window's rounded outline.
#include "forms/form.h"

namespace lumetra::mdlSmooth {

// Gives the form a rounded-rectangle outline over its whole outer size in
// pixels, with a corner ellipse `cornerSize` pixels wide and high. Sizes are
// converted to whole pixels half to even.
void RoundCorners(forms::Form& form, double cornerSize);

} // namespace lumetra::mdlSmooth
