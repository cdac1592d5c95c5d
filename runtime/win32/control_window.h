#pragma once
// One control's real window: made from the portable control, kept in step
// with it (program -> window), and turning the window's notifications into the
// control's events (window -> program) without echoing them back.
#include "forms/control.h"
#include "forms/lifetime.h"
#include "win32/handles.h"
#include "win32/gdi_resources.h"
#include "forms/controls.h"

#include <memory>

namespace host {

class FormWindow;

class ControlWindow {
public:
    enum class Kind { Label, Button, CheckBox, TextBox, ListBox, ComboBox, ScrollBar, Slider, Frame, Image, Shape, Line };

    ControlWindow(FormWindow& owner, forms::Control& control, Kind kind, int id);
    ~ControlWindow();
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    // The kind of window a control needs; false for controls with none (timers).
    static bool kindOf(const forms::Control& control, Kind& kind);
    // Painted by us (no standard window class): drawn on the parent's layer,
    // beneath every standard control.
    static bool isGraphic(Kind kind) noexcept {
        return kind == Kind::Label || kind == Kind::Image || kind == Kind::Shape || kind == Kind::Line;
    }

    void create(HWND parent);
    void destroy() noexcept;

    HWND hwnd() const noexcept { return hwnd_.get(); }
    int id() const noexcept { return id_; }
    Kind kind() const noexcept { return kind_; }
    forms::Control& control() const noexcept { return control_; }
    // The window from the control's own HWND property, or null.
    static ControlWindow* fromHandle(HWND hwnd) noexcept;

    // Program -> window.
    void mirror(forms::Prop what);
    // Re-applies size, position and font (a DPI change).
    void relayout();

    // Window -> program: notifications the parent receives for this control.
    void command(WORD code);
    void scroll(WORD code, WORD position);
    HBRUSH ctlColor(HDC dc);
    void measureItem(MEASUREITEMSTRUCT& item);
    void drawItem(const DRAWITEMSTRUCT& item);

    // Draws this graphic control's own content into `dc` with its top-left
    // corner at (dx, dy); the background beneath is already there.
    void paintContent(HDC dc, int dx, int dy);
    // Pixel rectangle relative to its parent window.
    RECT pixelRect() const;

private:
    static LRESULT CALLBACK paintedProc(HWND, UINT, WPARAM, LPARAM);
    // Every control window is subclassed: it learns of its own end there,
    // and a list takes its mouse presses there.
    static LRESULT CALLBACK subclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    // Forgets the window without destroying it.
    void unbind() noexcept;
    LRESULT paintedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool listMouse(UINT msg, WPARAM wp, LPARAM lp);
    void onPaint(HWND hwnd);
    void mouseEvent(UINT msg, WPARAM wp, LPARAM lp);
    forms::MouseArgs mouseArgs(UINT msg, WPARAM wp, LPARAM lp) const;

    void applyGeometry();
    void applyFont();
    void applyShape();
    void applyText();
    void applyValue();
    void applyRange();
    void applyItems();
    void applyListIndex();
    void applySelection();
    void repaint();

    DWORD buttonStyle() const;
    void drawButton(const DRAWITEMSTRUCT& item);
    int positionOf(int value) const;
    int valueAt(int position) const;
    int listCheckWidth() const;
    // The picture at the pixel size asked for: drawn afresh when it can be,
    // else the design bitmap (stretched when drawn).
    const forms::Bitmap& pictureAt(const forms::Picture& design, int width, int height);

    FormWindow& owner_;
    forms::Control& control_;
    Kind kind_;
    int id_;
    UniqueWindow hwnd_;
    ColorBrush backBrush_;
    // Set while the host itself changes the window, so that the notifications
    // this causes are not taken for user input.
    bool pushing_ = false;
    bool captured_ = false;
    std::unique_ptr<forms::Bitmap> sizedPicture_;
    forms::Picture sizedFrom_;
    // A handler may destroy the control, and with it this object: code that
    // goes on after raising an event checks this first.
    forms::Lifetime lifetime_;
};

} // namespace host
