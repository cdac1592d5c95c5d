#include "win32/painted_window.h"

#include "win32/dispatch_guard.h"
#include "win32/form_window.h"
#include "win32/mouse_args.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace host {

namespace {
constexpr wchar_t kPaintedClass[] = L"LumetraPainted";
}

ControlWindow::Creation PaintedWindow::paintedCreation(std::string text, DWORD style, DWORD exStyle) const {
    registerWindowClass(kPaintedClass, &PaintedWindow::proc);
    return {kPaintedClass, style, exStyle, std::move(text)};
}

void PaintedWindow::applyName() { setWindowText(hwnd(), control().accessibleName()); }

LRESULT CALLBACK PaintedWindow::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) bindEarly(hwnd, reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    auto* self = static_cast<PaintedWindow*>(boundTo(hwnd));
    const auto passOn = [&] { return ::DefWindowProcW(hwnd, msg, wp, lp); };
    if (!self) return passOn();
    return guardedMessage([&] { return self->message(hwnd, msg, wp, lp); }, passOn);
}

LRESULT PaintedWindow::message(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCHITTEST:
        // Labels and pictures take the mouse like any control.
        return HTCLIENT;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: onPaint(h); return 0;
    // The font the text is drawn in, as a standard control answers.
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font());
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_LBUTTONUP:
    case WM_RBUTTONUP: case WM_MBUTTONUP:
        mouseEvent(msg, wp, lp);
        return 0;
    case WM_CAPTURECHANGED: captured_ = false; return 0;
    default: break;
    }
    LRESULT result = 0;
    if (otherMessage(msg, wp, lp, result)) return result;
    return ::DefWindowProcW(h, msg, wp, lp);
}

void PaintedWindow::onPaint(HWND hwnd) {
    const UniquePaintDc painting = beginPaint(hwnd);
    if (painting) paint(painting.get().paint.hdc);
}

void PaintedWindow::paint(HDC dc) {
    if (!opaque()) owner_.paintBeneath(*this, dc);
    paintContent(dc, 0, 0);
}

void PaintedWindow::mouseEvent(UINT msg, WPARAM wp, LPARAM lp) {
    forms::Control& c = control();
    const forms::MouseArgs args = mouseArgs(msg, wp, lp);
    if (msg == WM_MOUSEMOVE) {
        c.MouseMove(args);
    } else if (isPress(msg)) {
        // Keep the release coming here even when it happens outside.
        ::SetCapture(hwnd());
        captured_ = true;
        c.MouseDown(args);
    } else if (isRelease(msg)) {
        releaseCapture(wp);
        const forms::Lifetime::Watch self = watch();
        c.MouseUp(args);
        if (!self.alive() || !hwnd()) return;  // the handler took the control (or its form) away
        RECT client{};
        ::GetClientRect(hwnd(), &client);
        const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (msg == WM_LBUTTONUP && ::PtInRect(&client, p)) c.Click();
    }
}

} // namespace host
