#pragma once
// A handler may unload and destroy its own form or control. Code that raises
// an event and has more to do afterwards watches the object first and carries
// on only while it is still alive.
#include <memory>

namespace forms {

class Lifetime {
public:
    class Watch {
    public:
        bool alive() const noexcept { return !token_.expired(); }

    private:
        friend class Lifetime;
        explicit Watch(std::weak_ptr<const char> token) : token_(std::move(token)) {}
        std::weak_ptr<const char> token_;
    };

    Lifetime() = default;
    Lifetime(const Lifetime&) = delete;
    Lifetime& operator=(const Lifetime&) = delete;

    Watch watch() const { return Watch(token_); }

private:
    std::shared_ptr<const char> token_ = std::make_shared<const char>('\0');
};

} // namespace forms
