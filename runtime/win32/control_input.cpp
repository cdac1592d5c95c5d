// Window -> program: the notifications and mouse messages of control windows
// become the controls' events. Nothing that comes from the window is pushed
// back into it: the mirror compares before it writes.
#include "win32/control_window.h"
#include "win32/dispatch_guard.h"
#include "win32/form_window.h"
#include "forms/controls.h"
#include "forms/lists.h"
#include "forms/ranges.h"
#include "win32/mouse_args.h"
#include "win32/wide_text.h"

#include <commctrl.h>

namespace host {

void ControlWindow::command(WORD code) {
    if (pushing_) return;
    HWND h = hwnd_.get();
    switch (kind_) {
    case Kind::Button:
        if (code == BN_CLICKED) static_cast<forms::CommandButton&>(control_).press();
        break;
    case Kind::CheckBox:
        if (code == BN_CLICKED)
            static_cast<forms::CheckBox&>(control_).setValue(::SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
        break;
    case Kind::TextBox:
        if (code == EN_CHANGE) static_cast<forms::TextBox&>(control_).setText(windowText(h));
        break;
    case Kind::ListBox:
        // Mouse presses are taken in the list's own procedure; this is the keyboard.
        if (code == LBN_SELCHANGE) {
            const int index = static_cast<int>(::SendMessageW(h, LB_GETCURSEL, 0, 0));
            static_cast<forms::ListBox&>(control_).setListIndex(index < 0 ? -1 : index);
        }
        break;
    case Kind::ComboBox: {
        auto& combo = static_cast<forms::ComboBox&>(control_);
        if (code == CBN_SELCHANGE) {
            const int index = static_cast<int>(::SendMessageW(h, CB_GETCURSEL, 0, 0));
            combo.userPick(index < 0 ? -1 : index);
        } else if (code == CBN_EDITCHANGE) {
            combo.setText(windowText(h));
        }
        break;
    }
    default: break;
    }
}

void ControlWindow::scroll(WORD code, WORD position) {
    // Anything may send a scroll notice naming any window: only a range
    // control's own is taken, and only then is the control one.
    if (pushing_ || (kind_ != Kind::ScrollBar && kind_ != Kind::Slider)) return;
    auto& range = static_cast<forms::RangeControl&>(control_);
    HWND h = hwnd_.get();
    if (kind_ == Kind::ScrollBar) {
        switch (code) {
        case SB_LINELEFT: range.userStep(-1, false); break;
        case SB_LINERIGHT: range.userStep(1, false); break;
        case SB_PAGELEFT: range.userStep(-1, true); break;
        case SB_PAGERIGHT: range.userStep(1, true); break;
        case SB_LEFT: range.userSet(range.min()); break;
        case SB_RIGHT: range.userSet(range.max()); break;
        case SB_THUMBTRACK: case SB_THUMBPOSITION: {
            // The message carries 16 bits, signed when the range goes below 0;
            // a wider range has the whole position in the tracking state.
            SCROLLINFO info{sizeof info, SIF_RANGE | SIF_TRACKPOS, 0, 0, 0, 0, 0};
            ::GetScrollInfo(h, SB_CTL, &info);
            int pos = info.nMin < 0 ? static_cast<short>(position) : static_cast<int>(position);
            if (info.nMin < -0x8000 || info.nMax > (info.nMin < 0 ? 0x7FFF : 0xFFFF)) pos = info.nTrackPos;
            if (code == SB_THUMBTRACK) range.userScroll(valueAt(pos));
            else range.userSet(valueAt(pos));
            break;
        }
        default: break;
        }
    } else {
        // The trackbar has moved already; its position is the truth.
        const int value = valueAt(static_cast<int>(::SendMessageW(h, TBM_GETPOS, 0, 0)));
        switch (code) {
        case TB_THUMBTRACK: range.userScroll(value); break;
        case TB_THUMBPOSITION: case TB_ENDTRACK: case TB_LINEUP: case TB_LINEDOWN: case TB_PAGEUP: case TB_PAGEDOWN:
        case TB_TOP: case TB_BOTTOM:
            range.userSet(value);
            break;
        default: break;
        }
    }
}

forms::MouseArgs ControlWindow::mouseArgs(UINT msg, WPARAM wp, LPARAM lp) const {
    return host::mouseArgs(
        msg, wp, lp, [this](int px) { return owner_.toTwipsX(px); }, [this](int px) { return owner_.toTwipsY(px); });
}

void ControlWindow::mouseEvent(UINT msg, WPARAM wp, LPARAM lp) {
    const forms::MouseArgs args = mouseArgs(msg, wp, lp);
    if (msg == WM_MOUSEMOVE) {
        control_.MouseMove(args);
    } else if (isPress(msg)) {
        // Keep the release coming here even when it happens outside.
        ::SetCapture(hwnd_.get());
        captured_ = true;
        control_.MouseDown(args);
    } else if (isRelease(msg)) {
        if (captured_ && buttonsHeld(wp) == 0) {
            captured_ = false;
            if (::GetCapture() == hwnd_.get()) ::ReleaseCapture();
        }
        const forms::Lifetime::Watch self = lifetime_.watch();
        control_.MouseUp(args);
        if (!self.alive() || !hwnd_) return;  // the handler took the control (or its form) away
        RECT client{};
        ::GetClientRect(hwnd_.get(), &client);
        const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (msg == WM_LBUTTONUP && ::PtInRect(&client, p)) control_.Click();
    }
}

LRESULT CALLBACK ControlWindow::paintedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<ControlWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        ::SetPropW(hwnd, L"LumetraControl", self);
    }
    ControlWindow* self = fromHandle(hwnd);
    if (!self) return ::DefWindowProcW(hwnd, msg, wp, lp);
    return self->paintedMessage(hwnd, msg, wp, lp);
}

LRESULT ControlWindow::paintedMessage(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCHITTEST:
        // Labels and pictures take the mouse like any control.
        return HTCLIENT;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: onPaint(h); return 0;
    // The font the text is drawn in, as a standard control answers.
    case WM_GETFONT: return reinterpret_cast<LRESULT>(owner_.font(control_.font()));
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_LBUTTONUP:
    case WM_RBUTTONUP: case WM_MBUTTONUP:
        guarded([&] { mouseEvent(msg, wp, lp); });
        return 0;
    case WM_CAPTURECHANGED: captured_ = false; return 0;
    default: break;
    }
    if (kind_ == Kind::Frame) {
        LRESULT result = 0;
        if (owner_.childMessage(msg, wp, lp, result)) return result;
    }
    return ::DefWindowProcW(h, msg, wp, lp);
}

// The check box one pixel in from the edge and the text three past it: the
// entries get all the width the list can spare.
int ControlWindow::listCheckWidth() const { return ::MulDiv(13, static_cast<int>(owner_.dpi()), 96) + 4; }

bool ControlWindow::listMouse(UINT msg, WPARAM wp, LPARAM lp) {
    auto& list = static_cast<forms::ListBox&>(control_);
    HWND h = hwnd_.get();
    if (isPress(msg)) {
        const LRESULT hit = ::SendMessageW(h, LB_ITEMFROMPOINT, 0, lp);
        const int index = HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
        ::SetFocus(h);
        ::SetCapture(h);
        captured_ = true;
        const forms::MouseArgs args = mouseArgs(msg, wp, lp);
        const forms::Lifetime::Watch self = lifetime_.watch();
        list.userPress(index, args);
        if (!self.alive()) return true;  // the handler took the list (or its form) away
        const int x = static_cast<short>(LOWORD(lp));
        if (list.style() == forms::ListBox::Style::CheckBox && index >= 0 && x < listCheckWidth())
            list.userToggleCheck(index);
        return true;
    }
    if (isRelease(msg)) {
        if (captured_ && buttonsHeld(wp) == 0) {
            captured_ = false;
            if (::GetCapture() == h) ::ReleaseCapture();
        }
        list.userRelease(mouseArgs(msg, wp, lp));
        return true;
    }
    if (msg == WM_MOUSEMOVE) {
        list.MouseMove(mouseArgs(msg, wp, lp));
        return true;
    }
    if (msg == WM_KEYDOWN && wp == VK_SPACE && list.style() == forms::ListBox::Style::CheckBox) {
        list.userToggleCheck(list.listIndex());
        return true;
    }
    return false;
}

LRESULT CALLBACK ControlWindow::subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<ControlWindow*>(data);
    if (msg == WM_NCDESTROY) {
        // Destroyed by someone else (with its parent, or directly): the
        // object lives on without a window and never destroys it again.
        self->unbind();
        return ::DefSubclassProc(hwnd, msg, wp, lp);
    }
    if (self->kind_ != Kind::ListBox) return ::DefSubclassProc(hwnd, msg, wp, lp);
    if (msg == WM_CAPTURECHANGED) self->captured_ = false;
    if (::IsWindowEnabled(hwnd)) {
        bool handled = false;
        guarded([&] { handled = self->listMouse(msg, wp, lp); });
        if (handled) return 0;
    }
    return ::DefSubclassProc(hwnd, msg, wp, lp);
}

} // namespace host
