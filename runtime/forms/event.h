#pragma once
// A single-handler event slot: a form wires its handler once, the control or
// the host raises it. Raising an event with no handler does nothing.
#include <functional>
#include <utility>

namespace forms {

template <class... Args>
class Event {
public:
    Event& operator=(std::function<void(Args...)> handler) {
        handler_ = std::move(handler);
        return *this;
    }
    void operator()(Args... args) const {
        if (handler_) handler_(args...);
    }
    explicit operator bool() const noexcept { return static_cast<bool>(handler_); }

private:
    std::function<void(Args...)> handler_;
};

// Mouse arguments as the handlers receive them: button 1 left, 2 right,
// 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; position in twips from the
// control's top-left corner.
struct MouseArgs {
    int button = 1;
    int shift = 0;
    float x = 0;
    float y = 0;
};

} // namespace forms
