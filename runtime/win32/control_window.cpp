#include "win32/control_window.h"

#include "win32/dispatch_guard.h"
#include "win32/form_window.h"
#include "win32/mouse_args.h"
#include "win32/wide_text.h"

namespace host {

namespace {

constexpr wchar_t kControlProp[] = L"LumetraControl";

} // namespace

ControlWindow::ControlWindow(FormWindow& owner, forms::Control& control, int id)
    : owner_(owner), control_(control), id_(id) {}

ControlWindow::~ControlWindow() { destroy(); }

ControlWindow* ControlWindow::fromHandle(HWND hwnd) noexcept {
    return hwnd ? static_cast<ControlWindow*>(::GetPropW(hwnd, kControlProp)) : nullptr;
}

// The property says "a control of ours" to whoever meets the window; the
// user data finds the object fast on every message.
void ControlWindow::bind(HWND hwnd, ControlWindow* self) noexcept {
    ::SetPropW(hwnd, kControlProp, self);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
}

void ControlWindow::bindEarly(HWND hwnd, void* createParams) noexcept {
    // create() hands itself over as the creation parameter.
    bind(hwnd, static_cast<ControlWindow*>(createParams));
}

ControlWindow* ControlWindow::boundTo(HWND hwnd) noexcept {
    return reinterpret_cast<ControlWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

RECT ControlWindow::pixelRect() const {
    const forms::Rect b = control_.bounds();
    RECT r;
    r.left = owner_.toPixelsX(b.left);
    r.top = owner_.toPixelsY(b.top);
    r.right = owner_.toPixelsX(static_cast<double>(b.left) + b.width);
    r.bottom = owner_.toPixelsY(static_cast<double>(b.top) + b.height);
    // A shape one twip across still shows one pixel.
    if (r.right <= r.left && b.width > 0) r.right = r.left + 1;
    if (r.bottom <= r.top && b.height > 0) r.bottom = r.top + 1;
    return r;
}

void ControlWindow::create(HWND parent) {
    const Creation made = creation();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | made.style;
    if (!control_.tabStop()) style &= ~static_cast<DWORD>(WS_TABSTOP);
    if (control_.visible()) style |= WS_VISIBLE;
    if (!control_.enabled()) style |= WS_DISABLED;
    const RECT r = pixelRect();
    PushGuard pushing(*this);
    HWND h = ::CreateWindowExW(made.exStyle, made.windowClass, widen(made.text).c_str(), style, r.left, r.top,
                               r.right - r.left, r.bottom - r.top + extraHeight(), parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), ::GetModuleHandleW(nullptr),
                               static_cast<void*>(this));
    if (!h) return;
    hwnd_.reset(h);
    bind(h, this);
    originalProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindow::subclassProc)));
    applyFont();
    created();
    if (!control_.accessibleName().empty()) applyName();
}

void ControlWindow::applyName() {
    const std::string& name = control_.accessibleName();
    if (!nameLabel_ || !::IsWindow(nameLabel_)) {
        if (name.empty()) return;
        nameLabel_ = ::CreateWindowExW(0, L"Static", nullptr, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0,
                                       0, ::GetParent(hwnd()), nullptr, ::GetModuleHandleW(nullptr), nullptr);
        placeNameLabel();
    }
    setWindowText(nameLabel_, name);
}

void ControlWindow::placeNameLabel() noexcept {
    if (!nameLabel_ || !hwnd_) return;
    HWND above = ::GetWindow(hwnd_.get(), GW_HWNDPREV);
    if (above == nameLabel_) return;
    ::SetWindowPos(nameLabel_, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ControlWindow::destroy() noexcept {
    if (nameLabel_ && ::IsWindow(nameLabel_) && hwnd_ && ::GetParent(nameLabel_) == ::GetParent(hwnd_.get()))
        ::DestroyWindow(nameLabel_);
    nameLabel_ = nullptr;
    if (!hwnd_) return;
    UniqueWindow window(hwnd_.get());
    unbind();  // no message of its ending reaches this object
}

void ControlWindow::unbind() noexcept {
    HWND h = hwnd_.release();
    if (!h) return;
    if (originalProc_) ::SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
    ::RemovePropW(h, kControlProp);
    ::SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    captured_ = false;
}

LRESULT CALLBACK ControlWindow::subclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    ControlWindow* self = boundTo(hwnd);
    if (!self) return ::DefWindowProcW(hwnd, msg, wp, lp);
    // Kept here: a handler run from ownMessage may destroy the object.
    const WNDPROC original = self->originalProc_;
    if (msg == WM_NCDESTROY) {
        // Destroyed by someone else (with its parent, or directly): the
        // object lives on without a window and never destroys it again.
        self->unbind();
        return ::CallWindowProcW(original, hwnd, msg, wp, lp);
    }
    if (msg == WM_CAPTURECHANGED) self->captured_ = false;
    // Out of the keyboard's reach: no key moves it, whoever gave it the focus.
    if (!self->control_.tabStop() && msg >= WM_KEYFIRST && msg <= WM_KEYLAST) return 0;
    const auto passOn = [&] { return ::CallWindowProcW(original, hwnd, msg, wp, lp); };
    return guardedMessage(
        [&] {
            LRESULT result = 0;
            return self->ownMessage(msg, wp, lp, result) ? result : passOn();
        },
        passOn);
}

void ControlWindow::mirror(forms::Prop what) {
    if (!hwnd_) return;
    PushGuard pushing(*this);
    using forms::Prop;
    switch (what) {
    case Prop::Caption: case Prop::Text: applyText(); break;
    case Prop::Value: applyValue(); break;
    case Prop::Enabled:
        ::EnableWindow(hwnd_.get(), control_.enabled());
        repaint();
        break;
    case Prop::Visible:
        ::ShowWindow(hwnd_.get(), control_.visible() ? SW_SHOWNA : SW_HIDE);
        if (graphic()) owner_.invalidateArea(*this);
        break;
    case Prop::Geometry:
        if (graphic()) owner_.invalidateArea(*this);
        applyGeometry();
        applyShape();
        repaint();
        break;
    case Prop::Colors: applyColors(); break;
    case Prop::Picture: case Prop::Checked: repaint(); break;
    case Prop::Font: applyFont(); break;
    case Prop::Items: applyItems(); break;
    case Prop::ListIndex: applyListIndex(); break;
    case Prop::Range: applyRange(); break;
    case Prop::Focus: owner_.focusChild(hwnd_.get()); break;
    case Prop::Selection: applySelection(); break;
    case Prop::Name: applyName(); break;
    case Prop::TabStop: {
        const LONG_PTR style = ::GetWindowLongPtrW(hwnd_.get(), GWL_STYLE);
        ::SetWindowLongPtrW(hwnd_.get(), GWL_STYLE, control_.tabStop() ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
        break;
    }
    // A form's or a timer's, never a window's.
    case Prop::Interval: case Prop::WindowState: case Prop::Region: case Prop::Icon: break;
    }
}

void ControlWindow::mirrorRows(const forms::ItemChange& change) {
    if (!hwnd_) return;
    PushGuard pushing(*this);
    applyRows(change);
}

void ControlWindow::command(WORD code) {
    if (!pushing_) takeCommand(code);
}

void ControlWindow::scroll(WORD code, WORD position) {
    if (!pushing_) takeScroll(code, position);
}

void ControlWindow::relayout() {
    if (!hwnd_) return;
    PushGuard pushing(*this);
    applyGeometry();
    applyShape();
    applyFont();
}

void ControlWindow::repaint() {
    if (!hwnd_) return;
    if (graphic()) owner_.invalidateArea(*this);
    else ::RedrawWindow(hwnd_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void ControlWindow::applyGeometry() {
    const RECT r = pixelRect();
    const int height = r.bottom - r.top + extraHeight();
    RECT now{};
    ::GetWindowRect(hwnd_.get(), &now);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(hwnd_.get()), reinterpret_cast<POINT*>(&now), 2);
    if (now.left == r.left && now.top == r.top && now.right == r.right && now.bottom - now.top == height) return;
    ::SetWindowPos(hwnd_.get(), nullptr, r.left, r.top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT ControlWindow::font() const { return owner_.font(control_.font()); }

void ControlWindow::applyFont() {
    ::SendMessageW(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
}

HBRUSH ControlWindow::ctlColor(HDC dc) {
    const forms::Color back = systemBackColor();
    ::SetTextColor(dc, resolveColor(control_.foreColor()));
    ::SetBkColor(dc, resolveColor(back));
    return backBrush_.get(back);
}

forms::MouseArgs ControlWindow::mouseArgs(UINT msg, WPARAM wp, LPARAM lp) const {
    return host::mouseArgs(
        msg, wp, lp, [this](int px) { return owner_.toTwipsX(px); }, [this](int px) { return owner_.toTwipsY(px); });
}

void ControlWindow::releaseCapture(WPARAM wp) {
    if (!captured_ || buttonsHeld(wp) != 0) return;
    captured_ = false;
    if (::GetCapture() == hwnd_.get()) ::ReleaseCapture();
}

} // namespace host
