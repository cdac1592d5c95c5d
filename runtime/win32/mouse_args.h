#pragma once
// Mouse messages as the forms' mouse events see them.
#include "forms/event.h"

#include <windows.h>

namespace host {

// The button a press or release message is about: 1 left, 2 right, 4 middle
// (0 for other messages).
int buttonOf(UINT msg) noexcept;
// The buttons held down during a move, in the same bits.
int buttonsHeld(WPARAM keys) noexcept;
bool isPress(UINT msg) noexcept;
bool isRelease(UINT msg) noexcept;

// Arguments for a mouse message; the position converts pixels to twips.
template <class ToTwipsX, class ToTwipsY>
forms::MouseArgs mouseArgs(UINT msg, WPARAM wp, LPARAM lp, ToTwipsX toTwipsX, ToTwipsY toTwipsY) {
    forms::MouseArgs args;
    args.button = msg == WM_MOUSEMOVE ? buttonsHeld(wp) : buttonOf(msg);
    args.shift = ((wp & MK_SHIFT) ? 1 : 0) | ((wp & MK_CONTROL) ? 2 : 0) | ((::GetKeyState(VK_MENU) < 0) ? 4 : 0);
    args.x = toTwipsX(static_cast<short>(LOWORD(lp)));
    args.y = toTwipsY(static_cast<short>(HIWORD(lp)));
    return args;
}

} // namespace host
