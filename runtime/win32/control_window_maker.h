#pragma once
// Makes the window class of a control's own kind. Each kind's visit is
// defined in that kind's file under win32/kinds/ (a timer's, which has no
// window, beside the form's timers): a kind the forms add and the host
// misses leaves this class abstract, and the host does not compile.
#include "forms/control_visitor.h"
#include "win32/control_window.h"

#include <memory>

namespace forms {
class Timer;
}

namespace host {

class ControlWindowMaker final : public forms::ControlVisitor {
public:
    ControlWindowMaker(FormWindow& owner, int id) : owner_(owner), id_(id) {}

    // The window made for the visited control (none for a timer).
    std::unique_ptr<ControlWindow> window;
    // The visited control, when it is a timer.
    forms::Timer* timer = nullptr;

    void visit(forms::Label& control) override;
    void visit(forms::CommandButton& control) override;
    void visit(forms::CheckBox& control) override;
    void visit(forms::OptionButton& control) override;
    void visit(forms::TextBox& control) override;
    void visit(forms::Frame& control) override;
    void visit(forms::Image& control) override;
    void visit(forms::Shape& control) override;
    void visit(forms::Line& control) override;
    void visit(forms::ListBox& control) override;
    void visit(forms::ComboBox& control) override;
    void visit(forms::ScrollBar& control) override;
    void visit(forms::Slider& control) override;
    void visit(forms::Timer& control) override;

private:
    FormWindow& owner_;
    int id_;
};

} // namespace host
