#pragma once
// One control's real window: made from the portable control, kept in step
// with it (program -> window), and turning the window's notifications into the
// control's events (window -> program) without echoing them back.
//
// What every kind shares lives here: the window's life, its place, its font,
// enabled and visible, the colours asked for by WM_CTLCOLOR*. Each kind of
// control has a class of its own (win32/kinds/), made by the window maker,
// which says what window it is and overrides what that kind does.
#include "forms/control.h"
#include "forms/lifetime.h"
#include "win32/gdi_resources.h"
#include "win32/handles.h"

#include <string>

namespace forms {
class CommandButton;
}

namespace host {

class FormWindow;

// Input fields left at the face colour look like the system's input fields.
inline forms::Color inputFieldColor(forms::Color back) noexcept {
    return back == forms::kButtonFace ? forms::kWindowBackground : back;
}

class ControlWindow {
public:
    ControlWindow(FormWindow& owner, forms::Control& control, int id);
    virtual ~ControlWindow();
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    void create(HWND parent);
    void destroy() noexcept;

    HWND hwnd() const noexcept { return hwnd_.get(); }
    int id() const noexcept { return id_; }
    forms::Control& control() const noexcept { return control_; }
    // The window from the control's own HWND property, or null: for any
    // window a notification names, ours or not.
    static ControlWindow* fromHandle(HWND hwnd) noexcept;

    // Painted by us on the parent's layer, beneath every standard control.
    virtual bool graphic() const noexcept { return false; }
    // The button Enter, Esc and a command by id press; null for other kinds.
    virtual forms::CommandButton* pushButton() const noexcept { return nullptr; }

    // Program -> window.
    void mirror(forms::Prop what);
    // Rows of a list came or went: only those rows change in the window.
    void mirrorRows(const forms::ItemChange& change);
    // Re-applies size, position and font (a DPI change).
    void relayout();
    // Puts the label that names the control just above it in the z-order,
    // where screen readers look for a list's or a bar's label.
    void placeNameLabel() noexcept;

    // Window -> program: notifications the parent receives for this control,
    // unless the host's own change caused them.
    void command(WORD code);
    void scroll(WORD code, WORD position);
    HBRUSH ctlColor(HDC dc);
    virtual void measureItem(MEASUREITEMSTRUCT&) {}
    virtual void drawItem(const DRAWITEMSTRUCT&) {}

    // Draws a graphic control's own content into `dc` with its top-left
    // corner at (dx, dy); the background beneath is already there.
    virtual void paintContent(HDC, int, int) {}
    // Pixel rectangle relative to its parent window.
    virtual RECT pixelRect() const;

protected:
    // What CreateWindowEx makes for this kind, beyond what every control
    // has (child, visible, enabled).
    struct Creation {
        const wchar_t* windowClass;
        DWORD style = 0;
        DWORD exStyle = 0;
        std::string text;
    };
    virtual Creation creation() const = 0;
    // Brings a new window up to the control's state.
    virtual void created() {}

    // The kind's share of mirror(): each runs only with a window, while
    // the host's own changes are not taken for input.
    virtual void applyText() {}
    virtual void applyValue() {}
    // A list's rows: some came or went, or (items) the whole list anew.
    virtual void applyRows(const forms::ItemChange&) {}
    virtual void applyItems() {}
    virtual void applyListIndex() {}
    virtual void applyRange() {}
    virtual void applySelection() {}
    virtual void applyFont();
    virtual void applyShape() {}
    // The accessible name: by default a label that draws nothing (no size)
    // just before the control, as a dialog's label precedes its list.
    virtual void applyName();
    virtual void applyColors() { repaint(); }
    // The kind's notifications (WM_COMMAND codes, scroll codes), as input.
    virtual void takeCommand(WORD) {}
    virtual void takeScroll(WORD, WORD) {}
    // Pixels the window reaches below the control (a combo box's list).
    virtual int extraHeight() const { return 0; }
    // The back colour WM_CTLCOLOR* paints with.
    virtual forms::Color systemBackColor() const { return control_.backColor(); }
    // Messages to the window itself, before its own procedure; true when
    // taken (with `result`).
    virtual bool ownMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

    void repaint();
    // Binds a window to this object before CreateWindowEx returns, for a
    // window procedure of the host's own that hears from it that early.
    static void bindEarly(HWND hwnd, void* createParams) noexcept;
    // The object a window of ours is bound to, found without asking the
    // system for a property (under Wine that is a trip to its server, on
    // every message).
    static ControlWindow* boundTo(HWND hwnd) noexcept;
    forms::MouseArgs mouseArgs(UINT msg, WPARAM wp, LPARAM lp) const;
    // Ends a capture taken at a press once no button is held any more.
    void releaseCapture(WPARAM wp);
    forms::Lifetime::Watch watch() const { return lifetime_.watch(); }
    // The control's font at the window's DPI.
    HFONT font() const;

    FormWindow& owner_;
    ColorBrush backBrush_;
    bool captured_ = false;

private:
    // Every control window is subclassed: it learns of its own end there,
    // and a kind takes its own messages there (ownMessage).
    static LRESULT CALLBACK subclassProc(HWND, UINT, WPARAM, LPARAM);
    static void bind(HWND hwnd, ControlWindow* self) noexcept;
    // Forgets the window without destroying it, and gives it back its own
    // window procedure.
    void unbind() noexcept;
    void applyGeometry();

    forms::Control& control_;
    int id_;
    UniqueWindow hwnd_;
    // The label that names the control; the system destroys it with the
    // parent, so it is only a handle here.
    HWND nameLabel_ = nullptr;
    WNDPROC originalProc_ = nullptr;
    // Set while the host itself changes the window, so that the notifications
    // this causes are not taken for user input.
    bool pushing_ = false;
    // A handler may destroy the control, and with it this object: code that
    // goes on after raising an event checks this first.
    forms::Lifetime lifetime_;

    friend class PushGuard;
};

// The host changes its own window: notifications meanwhile are not input.
class PushGuard {
public:
    explicit PushGuard(ControlWindow& window) : flag_(window.pushing_), old_(flag_) { flag_ = true; }
    ~PushGuard() { flag_ = old_; }
    PushGuard(const PushGuard&) = delete;
    PushGuard& operator=(const PushGuard&) = delete;

private:
    bool& flag_;
    bool old_;
};

} // namespace host
