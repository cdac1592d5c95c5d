#pragma once
// A form: a top-level window's portable half. It owns its state (caption,
// position and size in twips, border, window state, visibility), knows its
// controls, and tells its observers (a host, a test clock) of every change.
#include "forms/control.h"
#include "forms/lifetime.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace forms {

class Control;

class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void formChanged(Form& form, Prop what) = 0;
    virtual void controlChanged(Control& control, Prop what) = 0;
    // Rows of a list or combo box came or went (Prop::Items means the whole
    // list anew).
    virtual void itemsChanged(Control&, ItemChange) {}
    // A control was registered after the observer attached (rare: most
    // controls are members made before anyone observes).
    virtual void controlAdded(Control&) {}
    // A control is being destroyed: forget any pointer to it.
    virtual void controlRemoved(Control&) {}
    // The form is being destroyed (its controls already are): forget it.
    virtual void formDestroyed(Form&) {}
    // The program asked to end at once (Form::endProgram): a host ends the
    // process here and does not return.
    virtual void programEnding(Form&) {}
};

// Screen metrics the forms convert with; the host sets the real ones from its
// window's DPI. Fractional: 120 DPI is 12 twips per pixel, 192 DPI is 7.5.
struct ScreenMetrics {
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
};
ScreenMetrics& screen();

// Twips per pixel on a 96-DPI screen: sizes the programs give "in pixels at
// 96 DPI" grow from there with the screen.
inline constexpr double kTwipsPerPixelAt96Dpi = 15;
inline double twipsPerPixelAt(unsigned dpi) noexcept { return dpi ? 1440.0 / dpi : kTwipsPerPixelAt96Dpi; }

// A length in twips as whole pixels, halves to the even neighbour as every
// conversion to a whole number does; the host, the outline and the window's
// position all convert through here, so their pixels agree.
int twipsToPixels(double twips, double twipsPerPixel) noexcept;

class Form {
public:
    enum class Border { None, FixedSingle, Sizable, FixedDialog };
    enum class State { Normal, Minimized, Maximized };
    enum class StartPosition { WindowsDefault, CenterScreen, Manual };

    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const noexcept { return name_; }
    const std::vector<Control*>& controls() const noexcept { return controls_; }

    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);

    // Position of the window's outer top-left corner, and client size, in twips.
    float left() const noexcept { return left_; }
    float top() const noexcept { return top_; }
    void setLeft(float left);
    void setTop(float top);
    int clientWidth() const noexcept { return clientWidth_; }
    int clientHeight() const noexcept { return clientHeight_; }
    void setClientSize(int width, int height);
    // Outer size: the client area plus any border (the host reports borders).
    int width() const noexcept { return clientWidth_ + borderWidth_; }
    int height() const noexcept { return clientHeight_ + borderHeight_; }
    // Whether Left/Top were set by the program (else the host places it).
    bool positioned() const noexcept { return positioned_; }

    Border border() const noexcept { return border_; }
    void setBorder(Border border) { border_ = border; }
    bool maxButton() const noexcept { return maxButton_; }
    void setMaxButton(bool v) { maxButton_ = v; }
    bool minButton() const noexcept { return minButton_; }
    void setMinButton(bool v) { minButton_ = v; }
    StartPosition startPosition() const noexcept { return startPosition_; }
    void setStartPosition(StartPosition p) { startPosition_ = p; }
    Color backColor() const noexcept { return backColor_; }
    void setBackColor(Color color);
    // Resource id of the window's icon; 0 for the system's default.
    int iconId() const noexcept { return iconId_; }
    void setIconId(int id) { iconId_ = id; }

    State windowState() const noexcept { return state_; }
    void setWindowState(State state);
    bool visible() const noexcept { return visible_; }
    void show();
    void hide();

    // Load runs the Load event once; unload raises Unload and hides the form.
    bool loaded() const noexcept { return loaded_; }
    void load();
    void unload();

    // The window's outline: a rounded rectangle in pixels from (0, 0) to
    // (width, height) with a corner ellipse of the given size; none by default.
    struct RoundRegion {
        int width = 0, height = 0, ellipse = 0;
        bool operator==(const RoundRegion&) const = default;
    };
    const std::optional<RoundRegion>& region() const noexcept { return region_; }
    void setRegion(std::optional<RoundRegion> region);

    // The native window handle, once a host has made the window (else 0).
    std::uintptr_t hWnd() const noexcept { return hWnd_; }

    Event<> Load;
    Event<> Unload;
    Event<> Click;
    Event<const MouseArgs&> MouseDown;
    Event<const MouseArgs&> MouseMove;
    Event<const MouseArgs&> MouseUp;

    // Ends the program at once: no further event runs. The observers are told
    // (a host ends the process there); when none ends it (tests record the
    // end that way), ProgramEnded is thrown so that nothing after the end runs.
    [[noreturn]] void endProgram();

    // Tells whether the form is still alive after an event was raised.
    Lifetime::Watch watch() const { return lifetime_.watch(); }

    void addObserver(FormObserver* observer);
    void removeObserver(FormObserver* observer);

    // For the host: facts it learns from the real window.
    void hostAttached(std::uintptr_t hWnd, int borderWidth, int borderHeight);
    void hostMoved(float left, float top);
    void hostStateChanged(State state);

private:
    friend class Control;
    void registerControl(Control& control);
    void unregisterControl(Control& control);
    void notifyControl(Control& control, Prop what);
    void notifyItems(Control& control, ItemChange change);
    void notify(Prop what);

    std::string name_;
    std::vector<Control*> controls_;
    std::vector<FormObserver*> observers_;
    std::string caption_;
    float left_ = 0, top_ = 0;
    bool positioned_ = false;
    int clientWidth_ = 4800, clientHeight_ = 3600;
    int borderWidth_ = 0, borderHeight_ = 0;
    Border border_ = Border::Sizable;
    bool maxButton_ = true, minButton_ = true;
    StartPosition startPosition_ = StartPosition::WindowsDefault;
    Color backColor_ = kButtonFace;
    int iconId_ = 0;
    State state_ = State::Normal;
    bool visible_ = false;
    bool loaded_ = false;
    std::optional<RoundRegion> region_;
    std::uintptr_t hWnd_ = 0;
    Lifetime lifetime_;
};

// Thrown by Form::endProgram when no observer ended the process.
struct ProgramEnded {};

} // namespace forms
