#include "win32/control_window.h"
#include "win32/window_class.h"

#include "win32/form_window.h"
#include "forms/controls.h"
#include "forms/lists.h"
#include "forms/ranges.h"
#include "win32/wide_text.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

namespace host {

namespace {

constexpr wchar_t kPaintedClass[] = L"LumetraPainted";
constexpr wchar_t kControlProp[] = L"LumetraControl";
constexpr UINT_PTR kSubclassId = 1;
// A drop-down combo box's window also spans its list.
constexpr int kComboListPixels = 160;

class PushGuard {
public:
    explicit PushGuard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~PushGuard() { flag_ = old_; }
    PushGuard(const PushGuard&) = delete;
    PushGuard& operator=(const PushGuard&) = delete;

private:
    bool& flag_;
    bool old_;
};


} // namespace

ControlWindow::ControlWindow(FormWindow& owner, forms::Control& control, Kind kind, int id)
    : owner_(owner), control_(control), kind_(kind), id_(id) {}

ControlWindow::~ControlWindow() { destroy(); }

bool ControlWindow::kindOf(const forms::Control& c, Kind& kind) {
    if (dynamic_cast<const forms::Label*>(&c)) kind = Kind::Label;
    else if (dynamic_cast<const forms::CommandButton*>(&c)) kind = Kind::Button;
    else if (dynamic_cast<const forms::CheckBox*>(&c)) kind = Kind::CheckBox;
    else if (dynamic_cast<const forms::TextBox*>(&c)) kind = Kind::TextBox;
    else if (dynamic_cast<const forms::ListBox*>(&c)) kind = Kind::ListBox;
    else if (dynamic_cast<const forms::ComboBox*>(&c)) kind = Kind::ComboBox;
    else if (dynamic_cast<const forms::ScrollBar*>(&c)) kind = Kind::ScrollBar;
    else if (dynamic_cast<const forms::Slider*>(&c)) kind = Kind::Slider;
    else if (dynamic_cast<const forms::Frame*>(&c)) kind = Kind::Frame;
    else if (dynamic_cast<const forms::Image*>(&c)) kind = Kind::Image;
    else if (dynamic_cast<const forms::Shape*>(&c)) kind = Kind::Shape;
    else if (dynamic_cast<const forms::Line*>(&c)) kind = Kind::Line;
    else return false;
    return true;
}

ControlWindow* ControlWindow::fromHandle(HWND hwnd) noexcept {
    return hwnd ? static_cast<ControlWindow*>(::GetPropW(hwnd, kControlProp)) : nullptr;
}

RECT ControlWindow::pixelRect() const {
    if (kind_ == Kind::Line) {
        // Both end points are drawn: the window spans them inclusively.
        auto& line = static_cast<const forms::Line&>(control_);
        const int x1 = owner_.toPixelsX(line.x1()), x2 = owner_.toPixelsX(line.x2());
        const int y1 = owner_.toPixelsY(line.y1()), y2 = owner_.toPixelsY(line.y2());
        return RECT{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
    }
    const forms::Rect b = control_.bounds();
    RECT r;
    r.left = owner_.toPixelsX(b.left);
    r.top = owner_.toPixelsY(b.top);
    r.right = owner_.toPixelsX(static_cast<double>(b.left) + b.width);
    r.bottom = owner_.toPixelsY(static_cast<double>(b.top) + b.height);
    // A line or shape one twip across still shows one pixel.
    if (r.right <= r.left && b.width > 0) r.right = r.left + 1;
    if (r.bottom <= r.top && b.height > 0) r.bottom = r.top + 1;
    return r;
}

void ControlWindow::create(HWND parent) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD ex = 0;
    if (control_.visible()) style |= WS_VISIBLE;
    if (!control_.enabled()) style |= WS_DISABLED;
    const wchar_t* cls = kPaintedClass;
    std::string text;
    switch (kind_) {
    case Kind::Label: text = static_cast<forms::Label&>(control_).caption(); break;
    case Kind::Image: case Kind::Shape: case Kind::Line: break;
    case Kind::Frame:
        style |= WS_CLIPCHILDREN;
        ex |= WS_EX_CONTROLPARENT;
        text = static_cast<forms::Frame&>(control_).caption();
        break;
    case Kind::Button: {
        auto& b = static_cast<forms::CommandButton&>(control_);
        cls = WC_BUTTONW;
        style |= WS_TABSTOP | buttonStyle();
        text = b.caption();
        break;
    }
    case Kind::CheckBox:
        cls = WC_BUTTONW;
        style |= WS_TABSTOP | BS_AUTOCHECKBOX;
        text = static_cast<forms::CheckBox&>(control_).caption();
        break;
    case Kind::TextBox:
        cls = WC_EDITW;
        style |= WS_TABSTOP | ES_AUTOHSCROLL;
        ex |= WS_EX_CLIENTEDGE;
        text = static_cast<forms::TextBox&>(control_).text();
        break;
    case Kind::ListBox:
        cls = WC_LISTBOXW;
        style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
        if (static_cast<forms::ListBox&>(control_).style() == forms::ListBox::Style::CheckBox)
            style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
        ex |= WS_EX_CLIENTEDGE;
        break;
    case Kind::ComboBox:
        cls = WC_COMBOBOXW;
        style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
        text = static_cast<forms::ComboBox&>(control_).text();
        break;
    case Kind::ScrollBar:
        cls = WC_SCROLLBARW;
        style |= WS_TABSTOP | (static_cast<forms::ScrollBar&>(control_).orientation() == forms::ScrollBar::Orientation::Vertical
                                   ? SBS_VERT
                                   : SBS_HORZ);
        break;
    case Kind::Slider:
        cls = TRACKBAR_CLASSW;
        style |= WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM;
        break;
    }
    if (cls == kPaintedClass) registerWindowClass(kPaintedClass, &ControlWindow::paintedProc);

    const RECT r = pixelRect();
    int height = r.bottom - r.top;
    if (kind_ == Kind::ComboBox) height += kComboListPixels;
    PushGuard pushing(pushing_);
    HWND made = ::CreateWindowExW(ex, cls, widen(text).c_str(), style, r.left, r.top, r.right - r.left, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), ::GetModuleHandleW(nullptr), this);
    if (!made) return;
    hwnd_.reset(made);
    ::SetPropW(made, kControlProp, this);
    ::SetWindowSubclass(made, &ControlWindow::subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    applyFont();
    applyShape();
    applyRange();
    applyItems();
    applyValue();
}

void ControlWindow::destroy() noexcept {
    if (!hwnd_) return;
    UniqueWindow window(hwnd_.get());
    unbind();  // no message of its ending reaches this object
}

void ControlWindow::unbind() noexcept {
    HWND h = hwnd_.release();
    if (!h) return;
    ::RemovePropW(h, kControlProp);
    ::RemoveWindowSubclass(h, &ControlWindow::subclass, kSubclassId);
    captured_ = false;
}

void ControlWindow::mirror(forms::Prop what) {
    if (!hwnd_) return;
    PushGuard pushing(pushing_);
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
        if (isGraphic(kind_)) owner_.invalidateArea(*this);
        break;
    case Prop::Geometry:
        if (isGraphic(kind_)) owner_.invalidateArea(*this);
        applyGeometry();
        applyShape();
        repaint();
        break;
    case Prop::Colors:
        if (kind_ == Kind::Button) ::SendMessageW(hwnd_.get(), BM_SETSTYLE, buttonStyle(), TRUE);
        repaint();
        break;
    case Prop::Picture: case Prop::Checked: repaint(); break;
    case Prop::Font: applyFont(); break;
    case Prop::Items: applyItems(); break;
    case Prop::ListIndex: applyListIndex(); break;
    case Prop::Range: applyRange(); break;
    case Prop::Focus: owner_.focusChild(hwnd_.get()); break;
    case Prop::Selection: applySelection(); break;
    default: break;
    }
}

DWORD ControlWindow::buttonStyle() const {
    // A face colour of its own needs a button drawn by us; the system's
    // buttons keep the system's face.
    if (control_.backColor() != forms::kButtonFace) return BS_OWNERDRAW;
    return static_cast<forms::CommandButton&>(control_).isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void ControlWindow::relayout() {
    if (!hwnd_) return;
    PushGuard pushing(pushing_);
    applyGeometry();
    applyShape();
    applyFont();
}

void ControlWindow::repaint() {
    if (!hwnd_) return;
    if (isGraphic(kind_)) owner_.invalidateArea(*this);
    else ::RedrawWindow(hwnd_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void ControlWindow::applyGeometry() {
    const RECT r = pixelRect();
    int height = r.bottom - r.top;
    if (kind_ == Kind::ComboBox) height += kComboListPixels;
    RECT now{};
    ::GetWindowRect(hwnd_.get(), &now);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(hwnd_.get()), reinterpret_cast<POINT*>(&now), 2);
    if (kind_ != Kind::ComboBox && now.left == r.left && now.top == r.top && now.right == r.right && now.bottom == r.bottom) return;
    ::SetWindowPos(hwnd_.get(), nullptr, r.left, r.top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlWindow::applyFont() {
    if (isGraphic(kind_) || kind_ == Kind::Frame) {
        repaint();
        return;
    }
    ::SendMessageW(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(owner_.font(control_.font())), TRUE);
    if (kind_ == Kind::ListBox && (::GetWindowLongPtrW(hwnd_.get(), GWL_STYLE) & LBS_OWNERDRAWFIXED)) {
        MEASUREITEMSTRUCT item{};
        measureItem(item);
        ::SendMessageW(hwnd_.get(), LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(item.itemHeight));
    }
}

void ControlWindow::applyText() {
    switch (kind_) {
    case Kind::Label:
        // The text is painted by the host; the window keeps it too, for
        // screen readers and tools that read windows from outside.
        setWindowText(hwnd_.get(), static_cast<forms::Label&>(control_).caption());
        repaint();
        break;
    case Kind::Frame:
        setWindowText(hwnd_.get(), static_cast<forms::Frame&>(control_).caption());
        repaint();
        break;
    case Kind::Button: setWindowText(hwnd_.get(), static_cast<forms::CommandButton&>(control_).caption()); break;
    case Kind::CheckBox: setWindowText(hwnd_.get(), static_cast<forms::CheckBox&>(control_).caption()); break;
    case Kind::TextBox: setWindowText(hwnd_.get(), static_cast<forms::TextBox&>(control_).text()); break;
    case Kind::ComboBox: setWindowText(hwnd_.get(), static_cast<forms::ComboBox&>(control_).text()); break;
    default: break;
    }
}

// Windows ranges run left to right from low to high. A reversed range
// (Min above Max) is negated, so the left end is still Min.
int ControlWindow::positionOf(int value) const {
    auto& r = static_cast<const forms::RangeControl&>(control_);
    return r.min() <= r.max() ? value : -value;
}

int ControlWindow::valueAt(int position) const {
    auto& r = static_cast<const forms::RangeControl&>(control_);
    return r.min() <= r.max() ? position : -position;
}

void ControlWindow::applyValue() {
    HWND h = hwnd_.get();
    switch (kind_) {
    case Kind::CheckBox: {
        const WPARAM want = static_cast<forms::CheckBox&>(control_).checked() ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(::SendMessageW(h, BM_GETCHECK, 0, 0)) != want) ::SendMessageW(h, BM_SETCHECK, want, 0);
        break;
    }
    case Kind::ScrollBar: {
        const int pos = positionOf(static_cast<forms::RangeControl&>(control_).value());
        if (::GetScrollPos(h, SB_CTL) != pos) ::SetScrollPos(h, SB_CTL, pos, TRUE);
        break;
    }
    case Kind::Slider: {
        const int pos = positionOf(static_cast<forms::RangeControl&>(control_).value());
        if (static_cast<int>(::SendMessageW(h, TBM_GETPOS, 0, 0)) != pos) ::SendMessageW(h, TBM_SETPOS, TRUE, pos);
        break;
    }
    default: break;
    }
}

void ControlWindow::applyRange() {
    if (kind_ != Kind::ScrollBar && kind_ != Kind::Slider) return;
    auto& r = static_cast<forms::RangeControl&>(control_);
    const int lo = std::min(positionOf(r.min()), positionOf(r.max())), hi = std::max(positionOf(r.min()), positionOf(r.max()));
    if (kind_ == Kind::ScrollBar) {
        ::SetScrollRange(hwnd_.get(), SB_CTL, lo, hi, FALSE);
    } else {
        ::SendMessageW(hwnd_.get(), TBM_SETRANGEMIN, FALSE, lo);
        ::SendMessageW(hwnd_.get(), TBM_SETRANGEMAX, TRUE, hi);
        ::SendMessageW(hwnd_.get(), TBM_SETLINESIZE, 0, std::max(1, r.smallChange()));
        ::SendMessageW(hwnd_.get(), TBM_SETPAGESIZE, 0, std::max(1, r.largeChange()));
    }
    // Setting the range may have moved the thumb; put it where the value is.
    if (kind_ == Kind::ScrollBar) ::SetScrollPos(hwnd_.get(), SB_CTL, positionOf(r.value()), TRUE);
    else ::SendMessageW(hwnd_.get(), TBM_SETPOS, TRUE, positionOf(r.value()));
}

void ControlWindow::applyItems() {
    HWND h = hwnd_.get();
    if (kind_ == Kind::ListBox) {
        auto& list = static_cast<forms::ListBox&>(control_);
        const bool wantChecks = list.style() == forms::ListBox::Style::CheckBox;
        const bool hasChecks = (::GetWindowLongPtrW(h, GWL_STYLE) & LBS_OWNERDRAWFIXED) != 0;
        if (wantChecks != hasChecks) {
            // The owner-drawn style is fixed at creation: make the list anew.
            HWND parent = ::GetParent(h);
            destroy();
            create(parent);
            return;
        }
        ::SendMessageW(h, WM_SETREDRAW, FALSE, 0);
        ::SendMessageW(h, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < list.ListCount(); ++i)
            ::SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(list.List(i)).c_str()));
        ::SendMessageW(h, WM_SETREDRAW, TRUE, 0);
        applyListIndex();
        ::InvalidateRect(h, nullptr, TRUE);
    } else if (kind_ == Kind::ComboBox) {
        auto& combo = static_cast<forms::ComboBox&>(control_);
        ::SendMessageW(h, CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < combo.ListCount(); ++i)
            ::SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(combo.List(i)).c_str()));
        applyListIndex();
    }
}

void ControlWindow::applySelection() {
    if (kind_ != Kind::TextBox) return;
    auto& box = static_cast<forms::TextBox&>(control_);
    // The control counts UTF-16 units; the program counts UTF-8 bytes.
    const std::string& text = box.text();
    const std::size_t start = widen(text.substr(0, static_cast<std::size_t>(box.selStart()))).size();
    const std::size_t end = widen(text.substr(0, static_cast<std::size_t>(box.selStart() + box.selLength()))).size();
    ::SendMessageW(hwnd_.get(), EM_SETSEL, start, static_cast<LPARAM>(end));
}

void ControlWindow::applyListIndex() {
    HWND h = hwnd_.get();
    if (kind_ == Kind::ListBox) {
        const int want = static_cast<forms::ListBox&>(control_).listIndex();
        if (static_cast<int>(::SendMessageW(h, LB_GETCURSEL, 0, 0)) != want) ::SendMessageW(h, LB_SETCURSEL, want, 0);
    } else if (kind_ == Kind::ComboBox) {
        auto& combo = static_cast<forms::ComboBox&>(control_);
        if (static_cast<int>(::SendMessageW(h, CB_GETCURSEL, 0, 0)) != combo.listIndex())
            ::SendMessageW(h, CB_SETCURSEL, combo.listIndex(), 0);
        // Choosing an item (or none) rewrites the edit field: keep the control's text.
        setWindowText(h, combo.text());
    }
}

} // namespace host
