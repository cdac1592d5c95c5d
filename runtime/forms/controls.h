#pragma once
// The simple controls: labels, buttons, check boxes, option buttons, text
// boxes, frames,
// pictures, shapes and lines.
#include "forms/control.h"

#include <functional>
#include <memory>
#include <vector>

namespace forms {

class Label : public Control {
public:
    using Control::Control;
    void accept(ControlVisitor& visitor) override;
    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);
    Alignment alignment() const noexcept { return alignment_; }
    void setAlignment(Alignment alignment);

private:
    std::string caption_;
    Alignment alignment_ = Alignment::Left;
};

class CommandButton : public Control {
public:
    using Control::Control;
    void accept(ControlVisitor& visitor) override;
    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);
    // Default: Enter presses it; cancel: Esc presses it.
    bool isDefault() const noexcept { return default_; }
    void setDefault(bool v) { default_ = v; }
    bool isCancel() const noexcept { return cancel_; }
    void setCancel(bool v) { cancel_ = v; }
    // A press by the user (or by code): raises Click when enabled.
    void press();

private:
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
};

class CheckBox : public Control {
public:
    using Control::Control;
    void accept(ControlVisitor& visitor) override;
    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);
    // 0 cleared, 1 ticked. Click is raised whenever the value really changes.
    int value() const noexcept { return value_; }
    void setValue(int value);
    bool checked() const noexcept { return value_ == 1; }

private:
    std::string caption_;
    int value_ = 0;
};

// An option button: of the option buttons in one container (a frame, or the
// form itself), at most one is chosen, and choosing one clears the others.
// Click is raised when it becomes the chosen one.
class OptionButton : public Control {
public:
    using Control::Control;
    void accept(ControlVisitor& visitor) override;
    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);
    bool value() const noexcept { return value_; }
    void setValue(bool value);
    // The option `step` places after this one in its group (negative: before),
    // going round at the ends; the arrow keys move the choice this way.
    OptionButton& neighbour(int step);

private:
    std::vector<OptionButton*> group();

    std::string caption_;
    bool value_ = false;
};

class TextBox : public Control {
public:
    using Control::Control;
    void accept(ControlVisitor& visitor) override;
    const std::string& text() const noexcept { return text_; }
    void setText(std::string text);
    Event<> Change;

    // The selected part of the text, in bytes of its UTF-8; new text
    // selects nothing and puts the caret at the start.
    int selStart() const noexcept { return selStart_; }
    int selLength() const noexcept { return selLength_; }
    // Clamped to the text.
    void setSelection(int start, int length);
    void selectAll() { setSelection(0, static_cast<int>(text_.size())); }

private:
    std::string text_;
    int selStart_ = 0, selLength_ = 0;
};

// A container: children are placed relative to its top-left corner.
class Frame : public Control {
public:
    using Control::Control;
    void accept(ControlVisitor& visitor) override;
    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string caption);

private:
    std::string caption_;
};

// A 32-bit bitmap drawn by the programs' own code; pixels are 0x00RRGGBB,
// top row first. Its size is the design size, in pixels at 96 DPI.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    // When set, draws the same picture afresh at any pixel size, so that a
    // window at another DPI gets it sharp instead of stretched.
    std::function<Bitmap(int width, int height)> redraw;
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
using Picture = std::shared_ptr<const Bitmap>;

// A picture drawn by `draw` at its design size, which can draw itself again
// at any other size.
Picture drawnAtAnySize(int width, int height, std::function<Bitmap(int width, int height)> draw);

class Image : public Control {
public:
    using Control::Control;
    void accept(ControlVisitor& visitor) override;
    const Picture& picture() const noexcept { return picture_; }
    void setPicture(Picture picture);
    // Stretched: the bitmap fills the control; otherwise it is drawn at its size.
    bool stretch() const noexcept { return stretch_; }
    void setStretch(bool stretch);

private:
    Picture picture_;
    bool stretch_ = false;
};

// A rectangle outline, no fill.
class Shape : public Control {
public:
    using Control::Control;
    void accept(ControlVisitor& visitor) override;
    Color borderColor() const noexcept { return foreColor(); }
    void setBorderColor(Color color) { setForeColor(color); }
};

// A straight line from (x1, y1) to (x2, y2), in twips.
class Line : public Control {
public:
    using Control::Control;
    void accept(ControlVisitor& visitor) override;
    void setEnds(int x1, int y1, int x2, int y2);
    int x1() const noexcept { return x1_; }
    int y1() const noexcept { return y1_; }
    int x2() const noexcept { return x2_; }
    int y2() const noexcept { return y2_; }
    Color borderColor() const noexcept { return foreColor(); }
    void setBorderColor(Color color) { setForeColor(color); }

private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

} // namespace forms
