#pragma once
// Where a control lies in its form's client area, through any frames: what
// tests compare with the real child windows.
#include "forms/control.h"
#include "forms/controls.h"

namespace forms {

inline Rect boundsInForm(const Control& control) {
    Rect r = control.bounds();
    for (const Frame* f = control.container(); f; f = f->container()) {
        r.left += f->left();
        r.top += f->top();
    }
    return r;
}

} // namespace forms
