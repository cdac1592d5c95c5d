#pragma once
// A single-handler event slot: a form wires its handler once, the control or
// the host raises it. Raising an event with no handler does nothing.
#include <functional>
#include <memory>
#include <utility>

namespace forms {

template <class... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    Event& operator=(Handler handler) {
        handler_ = handler ? std::make_shared<const Handler>(std::move(handler)) : nullptr;
        return *this;
    }
    void operator()(Args... args) const {
        // Held for the call: the handler may destroy the control that owns
        // this slot, or replace itself, and must still run to its end.
        if (const auto handler = handler_) (*handler)(args...);
    }
    explicit operator bool() const noexcept { return static_cast<bool>(handler_); }

private:
    std::shared_ptr<const Handler> handler_;
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
