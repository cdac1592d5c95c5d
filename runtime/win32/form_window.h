#pragma once
// A form's real top-level window, its controls' windows and its timers.
// Observes the form and mirrors every change; turns window messages into
// the form's and the controls' events.
#include "win32/control_window.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "win32/gdi_resources.h"
#include "win32/handles.h"

#include <functional>
#include <memory>
#include <vector>

namespace host {

class FormWindow : public forms::FormObserver {
public:
    // `end` is the program's ending, run when the form ends the program.
    FormWindow(forms::Form& form, FontCache& fonts, std::function<void()> end);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Makes the hidden top-level window and every control's window.
    void create();
    HWND hwnd() const noexcept { return hwnd_.get(); }
    forms::Form* form() const noexcept { return form_; }
    bool alive() const noexcept { return form_ != nullptr && hwnd_; }

    void formChanged(forms::Form& form, forms::Prop what) override;
    void controlChanged(forms::Control& control, forms::Prop what) override;
    void itemsChanged(forms::Control& control, forms::ItemChange change) override;
    void controlAdded(forms::Control& control) override;
    void controlRemoved(forms::Control& control) override;
    void formDestroyed(forms::Form& form) override;
    void programEnding(forms::Form& form) override;

    // Twips <-> pixels at the window's DPI.
    int toPixelsX(double twips) const noexcept;
    int toPixelsY(double twips) const noexcept;
    float toTwipsX(int pixels) const noexcept;
    float toTwipsY(int pixels) const noexcept;
    UINT dpi() const noexcept { return dpi_; }
    HFONT font(const forms::Font& font) { return fonts_.get(font, dpi_); }

    // The window of a control (null when it has none).
    ControlWindow* windowOf(const forms::Control& control) const noexcept;
    ControlWindow* byId(int id) const noexcept;

    // WM_COMMAND, scroll, colour and owner-draw messages that a container
    // (the form or a frame) receives for its child controls.
    bool childMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Fills `dc` with what lies beneath `self` on its parent: the parent's
    // back colour and the graphic controls below it.
    void paintBeneath(ControlWindow& self, HDC dc);
    // The back colour of a control's container (the form or its frame).
    forms::Color containerBackColor(const forms::Control& control) const;
    // Repaints a graphic control together with what it shows through.
    void invalidateArea(ControlWindow& self);
    // The program moved the focus to this child: it gets it now when the
    // window shows, else when the window is next activated.
    void focusChild(HWND child);

private:
    static LRESULT CALLBACK proc(HWND, UINT, WPARAM, LPARAM);
    LRESULT message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // The window is gone (WM_NCDESTROY), whoever destroyed it: forget it and
    // its children's windows.
    void windowGone() noexcept;
    void addControl(forms::Control& control);
    // A control made while the window exists, once it is whole: true when it
    // was waiting to be taken up (and now is).
    bool takeUpIfPending(forms::Control& control);
    void takeUpPending();
    forms::Timer* timerOf(const forms::Control& control) const noexcept;
    void orderChildren();
    void retime(forms::Timer& timer);
    void applyGeometry();
    void applyVisible();
    void applyState();
    void applyRegion();
    void useDpi(UINT dpi);
    // WM_DPICHANGED: new fonts, sizes, outline and pictures for the new DPI.
    void changeDpi(UINT dpi, const RECT& suggested);
    void reportPlacement();
    void formMouse(UINT msg, WPARAM wp, LPARAM lp);
    void closeBySystem();
    void destroyWindows() noexcept;
    DWORD style() const;
    DWORD exStyle() const;
    SIZE outerSize() const;
    ControlWindow* defaultButton(bool cancel) const;

    forms::Form* form_;
    FontCache& fonts_;
    std::function<void()> end_;
    UniqueWindow hwnd_;
    UINT dpi_ = 96;
    // The outline's corner as the program set it, and the DPI it was set at.
    int regionEllipse_ = 0;
    UINT regionDpi_ = 0;
    bool rescalingRegion_ = false;
    std::vector<std::unique_ptr<ControlWindow>> controls_;
    std::vector<forms::Timer*> timers_;
    // Controls made while the window exists, announced from their base
    // constructor: taken up once they are whole (their first change, or the
    // message the announcement posts).
    std::vector<forms::Control*> pending_;
    ColorBrush backBrush_;
    bool captured_ = false;
    bool shownOnce_ = false;
    HWND lastFocus_ = nullptr;  // the control that had the focus when the window was left
    int nextId_ = 100;
};

} // namespace host
