#pragma once
// The base of every portable control: name, geometry in twips, colours, font,
// enabled/visible, and the change notification that keeps a host in step.
#include "forms/event.h"
#include "forms/lifetime.h"

#include <cstdint>
#include <string>

namespace forms {

class Form;
class Frame;
class ControlVisitor;

// Colours are 0xBBGGRR; a value with the top bit set names a system colour.
using Color = std::uint32_t;
inline constexpr Color kSystemColorFlag = 0x80000000u;
inline constexpr Color kWindowText = 0x80000008u;       // COLOR_WINDOWTEXT
inline constexpr Color kButtonFace = 0x8000000Fu;       // COLOR_BTNFACE
inline constexpr Color kWindowBackground = 0x80000005u; // COLOR_WINDOW
inline constexpr Color kBlack = 0x000000u;
inline constexpr Color kWhite = 0xFFFFFFu;

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
};

// Spread: the caption's words stand apart over the whole width, the first at
// the left edge, the last at the right edge and the others evenly between
// (a scale of numbers, or marks at the two ends), whatever the font.
enum class Alignment { Left, Right, Center, Spread };

// What changed, so that a host mirrors only that.
enum class Prop {
    Caption, Text, Value, Enabled, Visible, Geometry, Colors, Font, Items,
    ListIndex, Checked, Range, Picture, Interval, WindowState, Region, Icon, Focus, Selection, Name, TabStop,
};

// A list's rows changed: one row inserted at `index` or removed from it, or
// every row removed, so that a host mirrors those rows and no others.
struct ItemChange {
    enum class What { Inserted, Removed, Cleared };
    What what = What::Cleared;
    int index = -1;
};

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

class Control {
public:
    // Registers with the form; a control inside a frame passes the frame,
    // and its position is then relative to the frame. A control must not
    // outlive its form: it leaves the form's list when destroyed.
    Control(Form& form, std::string name, Frame* container = nullptr);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Calls the visitor's visit for this control's own kind: a host learns
    // the kind from there, and a visitor that misses a kind does not compile.
    virtual void accept(ControlVisitor& visitor) = 0;

    const std::string& name() const noexcept { return name_; }
    Form& form() const noexcept { return form_; }
    Frame* container() const noexcept { return container_; }

    Rect bounds() const noexcept { return bounds_; }
    int left() const noexcept { return bounds_.left; }
    int top() const noexcept { return bounds_.top; }
    int width() const noexcept { return bounds_.width; }
    int height() const noexcept { return bounds_.height; }
    void move(int left, int top, int width, int height);
    void setLeft(int v) { move(v, bounds_.top, bounds_.width, bounds_.height); }
    void setTop(int v) { move(bounds_.left, v, bounds_.width, bounds_.height); }

    bool enabled() const noexcept { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const noexcept { return visible_; }
    void setVisible(bool visible);

    Color backColor() const noexcept { return backColor_; }
    void setBackColor(Color color);
    Color foreColor() const noexcept { return foreColor_; }
    void setForeColor(Color color);
    // A transparent control shows what lies beneath instead of its back colour.
    bool transparent() const noexcept { return transparent_; }
    void setTransparent(bool transparent);

    const Font& font() const noexcept { return font_; }
    void setFont(Font font);

    // What a screen reader calls the control where its caption does not say
    // (a picture, a panel, a list named by the label beside it).
    const std::string& accessibleName() const noexcept { return accessibleName_; }
    void setAccessibleName(std::string name);
    // Whether Tab stops at the control and keys act on it; a control only the
    // program sets is taken out of the keyboard's reach.
    bool tabStop() const noexcept { return tabStop_; }
    void setTabStop(bool tabStop);

    // Moves the keyboard focus to this control: the host moves its window's.
    void setFocus();

    Event<> Click;
    Event<const MouseArgs&> MouseDown;
    Event<const MouseArgs&> MouseMove;
    Event<const MouseArgs&> MouseUp;

    // Tells whether the control is still alive after an event was raised.
    Lifetime::Watch watch() const { return lifetime_.watch(); }

protected:
    void notify(Prop what);
    void notifyItems(ItemChange change);

private:
    Form& form_;
    std::string name_;
    Frame* container_;
    Rect bounds_;
    bool enabled_ = true;
    bool visible_ = true;
    Color backColor_ = kButtonFace;
    Color foreColor_ = kWindowText;
    bool transparent_ = false;
    bool tabStop_ = true;
    std::string accessibleName_;
    Font font_;
    Lifetime lifetime_;
};

} // namespace forms
