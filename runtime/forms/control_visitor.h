#pragma once
// Every kind of control, one visit each. Whoever needs a control's own kind
// (the host making its window) implements this; a kind added here and missed
// there leaves that visitor abstract, and it does not compile.
namespace forms {

class Label;
class CommandButton;
class CheckBox;
class OptionButton;
class TextBox;
class Frame;
class Image;
class Shape;
class Line;
class ListBox;
class ComboBox;
class ScrollBar;
class Slider;
class Timer;

class ControlVisitor {
public:
    virtual void visit(Label&) = 0;
    virtual void visit(CommandButton&) = 0;
    virtual void visit(CheckBox&) = 0;
    virtual void visit(OptionButton&) = 0;
    virtual void visit(TextBox&) = 0;
    virtual void visit(Frame&) = 0;
    virtual void visit(Image&) = 0;
    virtual void visit(Shape&) = 0;
    virtual void visit(Line&) = 0;
    virtual void visit(ListBox&) = 0;
    virtual void visit(ComboBox&) = 0;
    virtual void visit(ScrollBar&) = 0;
    virtual void visit(Slider&) = 0;
    virtual void visit(Timer&) = 0;

protected:
    ~ControlVisitor() = default;
};

} // namespace forms
