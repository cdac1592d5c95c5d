#pragma once
// The kinds with no standard window class (labels, pictures, shapes, lines,
// frames): a window of the host's own class that takes the mouse like any
// control and is painted by the host.
#include "win32/control_window.h"

namespace host {

class PaintedWindow : public ControlWindow {
public:
    using ControlWindow::ControlWindow;
    bool graphic() const noexcept override { return true; }

protected:
    // A painted window of this kind, with `text` kept for screen readers and
    // tools that read windows from outside.
    Creation paintedCreation(std::string text = {}, DWORD style = 0, DWORD exStyle = 0) const;
    void applyFont() override { repaint(); }
    // Nothing draws a painted window's own text: it carries the name itself.
    void applyName() override;
    // Paints the window: by default what lies beneath, then the content.
    virtual void paint(HDC dc);
    // An opaque control paints all of itself; nothing beneath shows.
    virtual bool opaque() const { return false; }
    // Messages the painted class does not take itself go here first.
    virtual bool otherMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

private:
    static LRESULT CALLBACK proc(HWND, UINT, WPARAM, LPARAM);
    LRESULT message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void onPaint(HWND hwnd);
    void mouseEvent(UINT msg, WPARAM wp, LPARAM lp);
};

} // namespace host
