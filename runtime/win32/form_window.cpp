#include "win32/form_window.h"

#include "forms/controls.h"
#include "win32/control_window_maker.h"
#include "win32/dispatch_guard.h"
#include "win32/mouse_args.h"
#include "win32/newer_functions.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

constexpr wchar_t kFormClass[] = L"LumetraForm";
// Posted when a control is made after the window: take it up.
constexpr UINT kTakeUpControls = WM_APP + 1;

RECT workArea() {
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

} // namespace

FormWindow::FormWindow(forms::Form& form, FontCache& fonts, std::function<void()> end)
    : form_(&form), fonts_(fonts), end_(std::move(end)) {}

FormWindow::~FormWindow() {
    if (form_) form_->removeObserver(this);
    destroyWindows();
}

int FormWindow::toPixelsX(double twips) const noexcept { return forms::twipsToPixels(twips, forms::twipsPerPixelAt(dpi_)); }
int FormWindow::toPixelsY(double twips) const noexcept { return forms::twipsToPixels(twips, forms::twipsPerPixelAt(dpi_)); }
float FormWindow::toTwipsX(int pixels) const noexcept { return static_cast<float>(pixels * forms::twipsPerPixelAt(dpi_)); }
float FormWindow::toTwipsY(int pixels) const noexcept { return static_cast<float>(pixels * forms::twipsPerPixelAt(dpi_)); }

void FormWindow::useDpi(UINT dpi) {
    dpi_ = dpi;
    // The program converts with the same scale as its window.
    forms::screen() = {forms::twipsPerPixelAt(dpi), forms::twipsPerPixelAt(dpi)};
}

DWORD FormWindow::style() const {
    using B = forms::Form::Border;
    DWORD s = WS_CLIPCHILDREN;
    switch (form_->border()) {
    case B::None:
        // No frame at all, but the task bar may still minimise and restore it.
        return s | WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
    case B::FixedSingle: case B::FixedDialog: s |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU; break;
    case B::Sizable: s |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; break;
    }
    if (form_->minButton()) s |= WS_MINIMIZEBOX;
    if (form_->maxButton()) s |= WS_MAXIMIZEBOX;
    return s;
}

DWORD FormWindow::exStyle() const {
    DWORD ex = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
    if (form_->border() == forms::Form::Border::FixedDialog) ex |= WS_EX_DLGMODALFRAME;
    return ex;
}

SIZE FormWindow::outerSize() const {
    RECT r{0, 0, toPixelsX(form_->clientWidth()), toPixelsY(form_->clientHeight())};
    adjustWindowRect(&r, style(), exStyle(), dpi_);
    return {r.right - r.left, r.bottom - r.top};
}

void FormWindow::create() {
    if (!form_ || hwnd_) return;
    registerWindowClass(kFormClass, &FormWindow::proc);
    useDpi(systemDpi());
    const SIZE size = outerSize();
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (form_->startPosition() == forms::Form::StartPosition::CenterScreen) {
        const RECT area = workArea();
        x = area.left + (area.right - area.left - size.cx) / 2;
        y = area.top + (area.bottom - area.top - size.cy) / 2;
    } else if (form_->positioned() || form_->startPosition() == forms::Form::StartPosition::Manual) {
        x = toPixelsX(form_->left());
        y = toPixelsY(form_->top());
    }
    // The system chooses default positions for overlapped windows only: a
    // borderless window is made overlapped there and loses its frame after.
    const bool popup = form_->border() == forms::Form::Border::None;
    const DWORD createStyle = popup && x == CW_USEDEFAULT ? (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN) : style();
    pending_.clear();  // every control is whole by now, and taken up below
    HWND made = ::CreateWindowExW(exStyle(), kFormClass, widen(form_->caption()).c_str(), createStyle, x, y, size.cx,
                                  size.cy, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    if (!made) return;
    hwnd_.reset(made);
    if (createStyle != style()) {
        ::SetWindowLongPtrW(hwnd_.get(), GWL_STYLE, static_cast<LONG_PTR>(style()));
        ::SetWindowPos(hwnd_.get(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    const UINT actualDpi = windowDpi(hwnd_.get());
    if (actualDpi && actualDpi != dpi_) {
        useDpi(actualDpi);
        applyGeometry();
    }
    if (form_->iconId()) formChanged(*form_, forms::Prop::Icon);
    RECT outer{}, client{};
    ::GetWindowRect(hwnd_.get(), &outer);
    ::GetClientRect(hwnd_.get(), &client);
    form_->hostAttached(reinterpret_cast<std::uintptr_t>(hwnd_.get()),
                        static_cast<int>(std::lround(toTwipsX((outer.right - outer.left) - client.right))),
                        static_cast<int>(std::lround(toTwipsY((outer.bottom - outer.top) - client.bottom))));
    reportPlacement();
    for (forms::Control* c : form_->controls()) addControl(*c);
    orderChildren();
    if (form_->region()) applyRegion();
    if (form_->visible()) applyVisible();
}

// A timer has no window: the form's window drives it.
void ControlWindowMaker::visit(forms::Timer& control) { timer = &control; }

void FormWindow::addControl(forms::Control& control) {
    if (windowOf(control)) return;
    if (forms::Timer* timer = timerOf(control)) {
        retime(*timer);  // a new window of the form runs its timers again
        return;
    }
    ControlWindowMaker maker(*this, nextId_);
    control.accept(maker);
    if (maker.timer) {
        timers_.push_back(maker.timer);
        retime(*maker.timer);
        return;
    }
    // A frame's window must exist before the windows inside it.
    HWND parent = hwnd_.get();
    if (forms::Frame* frame = control.container()) {
        addControl(*frame);
        if (ControlWindow* f = windowOf(*frame)) parent = f->hwnd();
    }
    ++nextId_;
    // Listed before it is made: a list's first WM_MEASUREITEM comes from
    // inside CreateWindowEx and finds it by its id.
    controls_.push_back(std::move(maker.window));
    controls_.back()->create(parent);
}

forms::Timer* FormWindow::timerOf(const forms::Control& control) const noexcept {
    for (forms::Timer* t : timers_)
        if (t && static_cast<const forms::Control*>(t) == &control) return t;
    return nullptr;
}

void FormWindow::orderChildren() {
    // Standard controls above the painted ones; among painted ones, the later
    // drawn over the earlier. Each window in turn goes to the bottom of its
    // siblings, so the list runs from top to bottom.
    std::vector<HWND> order;
    for (auto& c : controls_)
        if (!c->graphic()) order.push_back(c->hwnd());
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if ((*it)->graphic()) order.push_back((*it)->hwnd());
    for (HWND h : order)
        if (h) ::SetWindowPos(h, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    for (auto& c : controls_) c->placeNameLabel();
}

ControlWindow* FormWindow::windowOf(const forms::Control& control) const noexcept {
    for (auto& c : controls_)
        if (&c->control() == &control) return c.get();
    return nullptr;
}

ControlWindow* FormWindow::byId(int id) const noexcept {
    for (auto& c : controls_)
        if (c->id() == id) return c.get();
    return nullptr;
}

void FormWindow::retime(forms::Timer& timer) {
    if (!hwnd_) return;
    const auto it = std::find(timers_.begin(), timers_.end(), &timer);
    if (it == timers_.end()) return;
    const UINT_PTR id = static_cast<UINT_PTR>(it - timers_.begin()) + 1;
    if (timer.running()) ::SetTimer(hwnd_.get(), id, static_cast<UINT>(timer.interval()), nullptr);
    else ::KillTimer(hwnd_.get(), id);
}

void FormWindow::formChanged(forms::Form&, forms::Prop what) {
    // A form shown again after the system closed it gets a new window.
    if (form_ && !hwnd_ && what == forms::Prop::Visible && form_->visible()) {
        create();
        return;
    }
    if (!alive()) return;
    using forms::Prop;
    switch (what) {
    case Prop::Caption: setWindowText(hwnd_.get(), form_->caption()); break;
    case Prop::Geometry: applyGeometry(); break;
    case Prop::Visible: applyVisible(); break;
    case Prop::WindowState: applyState(); break;
    case Prop::Colors: ::RedrawWindow(hwnd_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); break;
    case Prop::Region: applyRegion(); break;
    case Prop::Icon: {
        HINSTANCE module = ::GetModuleHandleW(nullptr);
        const auto id = MAKEINTRESOURCEW(form_->iconId());
        auto load = [&](int metric) {
            const int px = systemMetric(metric, dpi_);
            return reinterpret_cast<LPARAM>(::LoadImageW(module, id, IMAGE_ICON, px, px, LR_SHARED));
        };
        ::SendMessageW(hwnd_.get(), WM_SETICON, ICON_BIG, load(SM_CXICON));
        ::SendMessageW(hwnd_.get(), WM_SETICON, ICON_SMALL, load(SM_CXSMICON));
        break;
    }
    default: break;
    }
}

bool FormWindow::takeUpIfPending(forms::Control& control) {
    const auto it = std::find(pending_.begin(), pending_.end(), &control);
    if (it == pending_.end()) return false;
    // Its first change: the control is past its base, so its kind shows.
    pending_.erase(it);
    addControl(control);
    orderChildren();
    return true;
}

void FormWindow::controlChanged(forms::Control& control, forms::Prop what) {
    if (!alive() || takeUpIfPending(control)) return;
    if (forms::Timer* timer = timerOf(control)) {
        if (what == forms::Prop::Enabled || what == forms::Prop::Interval) retime(*timer);
        return;
    }
    if (ControlWindow* w = windowOf(control)) w->mirror(what);
}

void FormWindow::itemsChanged(forms::Control& control, forms::ItemChange change) {
    if (!alive() || takeUpIfPending(control)) return;
    if (ControlWindow* w = windowOf(control)) w->mirrorRows(change);
}

void FormWindow::controlAdded(forms::Control& control) {
    // Told from the control's base constructor: it is not yet a timer or a
    // list box, so what it needs cannot be known until it is whole.
    if (!alive()) return;
    pending_.push_back(&control);
    ::PostMessageW(hwnd_.get(), kTakeUpControls, 0, 0);
}

void FormWindow::takeUpPending() {
    if (pending_.empty() || !alive()) return;
    for (forms::Control* c : std::exchange(pending_, {})) addControl(*c);
    orderChildren();
}

void FormWindow::controlRemoved(forms::Control& control) {
    pending_.erase(std::remove(pending_.begin(), pending_.end(), &control), pending_.end());
    // Timer ids are positions in the list: keep the place, drop the timer.
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        if (static_cast<forms::Control*>(timers_[i]) != &control) continue;
        if (hwnd_) ::KillTimer(hwnd_.get(), i + 1);
        timers_[i] = nullptr;
    }
    // Windows inside a frame die with it; take them down first.
    std::vector<forms::Control*> inside;
    for (auto& c : controls_)
        if (static_cast<forms::Control*>(c->control().container()) == &control) inside.push_back(&c->control());
    for (forms::Control* c : inside) controlRemoved(*c);
    controls_.erase(std::remove_if(controls_.begin(), controls_.end(),
                                   [&](const auto& c) { return &c->control() == &control; }),
                    controls_.end());
}

void FormWindow::formDestroyed(forms::Form&) {
    // The controls are gone already: no window may reach them from here on.
    destroyWindows();
    form_ = nullptr;
}

void FormWindow::programEnding(forms::Form&) {
    if (end_) end_();
}

void FormWindow::applyGeometry() {
    const SIZE size = outerSize();
    RECT now{};
    ::GetWindowRect(hwnd_.get(), &now);
    int x = now.left, y = now.top;
    if (form_->positioned()) {
        x = toPixelsX(form_->left());
        y = toPixelsY(form_->top());
    }
    if (::IsIconic(hwnd_.get())) {
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        ::GetWindowPlacement(hwnd_.get(), &wp);
        wp.rcNormalPosition = {x, y, x + size.cx, y + size.cy};
        ::SetWindowPlacement(hwnd_.get(), &wp);
        return;
    }
    if (now.left == x && now.top == y && now.right - now.left == size.cx && now.bottom - now.top == size.cy) return;
    ::SetWindowPos(hwnd_.get(), nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::applyVisible() {
    if (!form_->visible()) {
        ::ShowWindow(hwnd_.get(), SW_HIDE);
        return;
    }
    if (::IsWindowVisible(hwnd_.get())) return;
    int how = SW_SHOW;
    if (form_->windowState() == forms::Form::State::Minimized) how = SW_SHOWMINIMIZED;
    else if (form_->windowState() == forms::Form::State::Maximized) how = SW_SHOWMAXIMIZED;
    else if (!shownOnce_) how = SW_SHOWNORMAL;
    shownOnce_ = true;
    ::ShowWindow(hwnd_.get(), how);
    ::UpdateWindow(hwnd_.get());
}

void FormWindow::applyState() {
    if (!::IsWindowVisible(hwnd_.get())) return;  // applied when shown
    switch (form_->windowState()) {
    case forms::Form::State::Minimized:
        if (!::IsIconic(hwnd_.get())) ::ShowWindow(hwnd_.get(), SW_MINIMIZE);
        break;
    case forms::Form::State::Maximized:
        if (!::IsZoomed(hwnd_.get())) ::ShowWindow(hwnd_.get(), SW_MAXIMIZE);
        break;
    case forms::Form::State::Normal:
        if (::IsIconic(hwnd_.get()) || ::IsZoomed(hwnd_.get())) ::ShowWindow(hwnd_.get(), SW_RESTORE);
        break;
    }
}

void FormWindow::changeDpi(UINT dpi, const RECT& suggested) {
    if (dpi == 0 || dpi == dpi_) return;
    const UINT old = dpi_;
    useDpi(dpi);
    // The system's place for the window, at the size its twips give now.
    const SIZE size = outerSize();
    ::SetWindowPos(hwnd_.get(), nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    reportPlacement();
    for (auto& c : controls_) c->relayout();
    if (form_->region()) {
        // The outline follows: the whole new size, the corner grown alike.
        if (!regionDpi_) regionDpi_ = old;
        forms::Form::RoundRegion scaled;
        scaled.width = toPixelsX(form_->width());
        scaled.height = toPixelsY(form_->height());
        scaled.ellipse = static_cast<int>(std::nearbyint(static_cast<double>(regionEllipse_) * dpi / regionDpi_));
        rescalingRegion_ = true;
        form_->setRegion(scaled);  // applied through formChanged
        rescalingRegion_ = false;
    }
    // Pictures are drawn afresh at their new size, text in the new fonts.
    ::RedrawWindow(hwnd_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void FormWindow::applyRegion() {
    const auto& region = form_->region();
    if (region && !rescalingRegion_) {
        // The program's own outline, remembered at the DPI it was made for.
        regionEllipse_ = region->ellipse;
        regionDpi_ = dpi_;
    }
    if (!region) {
        ::SetWindowRgn(hwnd_.get(), nullptr, TRUE);
        return;
    }
    UniqueRegion made(::CreateRoundRectRgn(0, 0, region->width, region->height, region->ellipse, region->ellipse));
    if (made && ::SetWindowRgn(hwnd_.get(), made.get(), TRUE)) made.release();  // the window owns it now
}

void FormWindow::reportPlacement() {
    if (!form_ || !hwnd_ || ::IsIconic(hwnd_.get())) return;
    RECT r{};
    ::GetWindowRect(hwnd_.get(), &r);
    form_->hostMoved(toTwipsX(r.left), toTwipsY(r.top));
}

forms::Color FormWindow::containerBackColor(const forms::Control& control) const {
    return control.container() ? control.container()->backColor() : form_->backColor();
}

void FormWindow::paintBeneath(ControlWindow& self, HDC dc) {
    const RECT own = self.pixelRect();
    RECT client{0, 0, own.right - own.left, own.bottom - own.top};
    UniqueBrush back(::CreateSolidBrush(resolveColor(containerBackColor(self.control()))));
    ::FillRect(dc, &client, back.get());
    for (auto& c : controls_) {
        if (c.get() == &self) break;
        if (!c->graphic() || c->control().container() != self.control().container()) continue;
        if (!c->control().visible()) continue;
        const RECT other = c->pixelRect();
        RECT overlap{};
        if (!::IntersectRect(&overlap, &own, &other)) continue;
        c->paintContent(dc, other.left - own.left, other.top - own.top);
    }
}

void FormWindow::invalidateArea(ControlWindow& self) {
    HWND parent = ::GetParent(self.hwnd());
    if (!parent) return;
    RECT r = self.pixelRect();
    ::RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormWindow::focusChild(HWND child) {
    lastFocus_ = child;
    if (::IsWindowVisible(hwnd_.get()) && ::IsWindowVisible(child)) ::SetFocus(child);
}

ControlWindow* FormWindow::defaultButton(bool cancel) const {
    for (auto& c : controls_) {
        const forms::CommandButton* b = c->pushButton();
        if (b && (cancel ? b->isCancel() : b->isDefault()) && ::IsWindowVisible(c->hwnd()) && ::IsWindowEnabled(c->hwnd()))
            return c.get();
    }
    return nullptr;
}

bool FormWindow::childMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (!form_) return false;
    switch (msg) {
    case WM_COMMAND: {
        if (ControlWindow* c = ControlWindow::fromHandle(reinterpret_cast<HWND>(lp))) {
            c->command(HIWORD(wp));
        } else if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            // Enter and Esc, as the dialog keyboard handling reports them.
            if (ControlWindow* b = defaultButton(LOWORD(wp) == IDCANCEL)) b->pushButton()->press();
        } else if (ControlWindow* c = byId(LOWORD(wp)); c && c->pushButton()) {
            c->command(HIWORD(wp));
        } else {
            return false;
        }
        result = 0;
        return true;
    }
    case WM_HSCROLL: case WM_VSCROLL: {
        ControlWindow* c = ControlWindow::fromHandle(reinterpret_cast<HWND>(lp));
        if (!c) return false;
        c->scroll(LOWORD(wp), HIWORD(wp));
        result = 0;
        return true;
    }
    case WM_CTLCOLORSTATIC: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN: {
        HWND child = reinterpret_cast<HWND>(lp);
        ControlWindow* c = ControlWindow::fromHandle(child);
        if (!c) c = ControlWindow::fromHandle(::GetParent(child));  // a combo box's edit field or list
        if (!c) return false;
        result = reinterpret_cast<LRESULT>(c->ctlColor(reinterpret_cast<HDC>(wp)));
        return true;
    }
    case WM_MEASUREITEM: {
        ControlWindow* c = byId(static_cast<int>(wp));
        if (!c) return false;
        c->measureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        ControlWindow* c = byId(static_cast<int>(wp));
        if (!c) return false;
        c->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    }
    default: return false;
    }
}

void FormWindow::formMouse(UINT msg, WPARAM wp, LPARAM lp) {
    const forms::MouseArgs args = mouseArgs(
        msg, wp, lp, [this](int px) { return toTwipsX(px); }, [this](int px) { return toTwipsY(px); });
    if (msg == WM_MOUSEMOVE) {
        form_->MouseMove(args);
    } else if (isPress(msg)) {
        ::SetCapture(hwnd_.get());
        captured_ = true;
        form_->MouseDown(args);
    } else if (isRelease(msg)) {
        if (captured_ && buttonsHeld(wp) == 0) {
            captured_ = false;
            if (::GetCapture() == hwnd_.get()) ::ReleaseCapture();
        }
        form_->MouseUp(args);
        RECT client{};
        ::GetClientRect(hwnd_.get(), &client);
        const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (msg == WM_LBUTTONUP && ::PtInRect(&client, p)) form_->Click();
    }
}

void FormWindow::closeBySystem() {
    form_->unload();
    destroyWindows();
}

void FormWindow::destroyWindows() noexcept {
    // The system takes the children down with the window; each, then the
    // window itself, is forgotten as its WM_NCDESTROY arrives.
    if (hwnd_) ::DestroyWindow(hwnd_.get());
    windowGone();
}

void FormWindow::windowGone() noexcept {
    hwnd_.release();
    controls_.clear();
    pending_.clear();
    captured_ = false;
    lastFocus_ = nullptr;
    if (form_ && form_->hWnd())
        form_->hostAttached(0, form_->width() - form_->clientWidth(), form_->height() - form_->clientHeight());
}

LRESULT CALLBACK FormWindow::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (self && self->hwnd_.get() == hwnd) self->windowGone();
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    }
    const auto passOn = [&] { return ::DefWindowProcW(hwnd, msg, wp, lp); };
    if (!self || !self->form_) return passOn();
    return guardedMessage([&] { return self->message(hwnd, msg, wp, lp); }, passOn);
}

LRESULT FormWindow::message(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (childMessage(msg, wp, lp, result)) return result;
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT r{};
        ::GetClientRect(h, &r);
        ::FillRect(reinterpret_cast<HDC>(wp), &r, backBrush_.get(form_->backColor()));
        return 1;
    }
    case DM_GETDEFID:
        if (ControlWindow* b = defaultButton(false)) return MAKELRESULT(b->id(), DC_HASDEFID);
        return 0;
    case WM_MOVE: reportPlacement(); return 0;
    case WM_SIZE:
        // A hidden window's sizes are the host's own doing, not the user's.
        if (!::IsWindowVisible(h)) return 0;
        if (wp == SIZE_MINIMIZED) form_->hostStateChanged(forms::Form::State::Minimized);
        else if (wp == SIZE_MAXIMIZED) form_->hostStateChanged(forms::Form::State::Maximized);
        else if (wp == SIZE_RESTORED) form_->hostStateChanged(forms::Form::State::Normal);
        return 0;
    case WM_DPICHANGED: changeDpi(HIWORD(wp), *reinterpret_cast<const RECT*>(lp)); return 0;
    case WM_TIMER: {
        const std::size_t index = static_cast<std::size_t>(wp) - 1;
        if (index < timers_.size() && timers_[index]) timers_[index]->fire();
        return 0;
    }
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_LBUTTONUP:
    case WM_RBUTTONUP: case WM_MBUTTONUP:
        formMouse(msg, wp, lp);
        return 0;
    case WM_CAPTURECHANGED: captured_ = false; return 0;
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND focus = ::GetFocus();
            if (focus && ::IsChild(h, focus)) lastFocus_ = focus;
        }
        return ::DefWindowProcW(h, msg, wp, lp);
    case WM_SETFOCUS: {
        // As a dialog does: back to the control last used, else the first tab stop.
        HWND target = lastFocus_;
        if (!target || !::IsChild(h, target) || !::IsWindowVisible(target) || !::IsWindowEnabled(target))
            target = ::GetNextDlgTabItem(h, nullptr, FALSE);
        if (target && target != h) ::SetFocus(target);
        return 0;
    }
    case WM_CLOSE: closeBySystem(); return 0;
    case kTakeUpControls: takeUpPending(); return 0;
    case WM_ENDSESSION:
        // Windows is shutting down or the user logs off: the form unloads
        // (its Unload event runs) before the system ends the process.
        if (wp) form_->unload();
        return 0;
    default: return ::DefWindowProcW(h, msg, wp, lp);
    }
}

} // namespace host
