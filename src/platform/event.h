// A control's notification: at most one handler, run synchronously when raised.
#pragma once

#include <functional>
#include <utility>

namespace platform {

template <typename... Args>
class Notification {
public:
    void connect(std::function<void(Args...)> handler) { handler_ = std::move(handler); }
    void raise(Args... args) const
    {
        if (handler_)
            handler_(args...);
    }

private:
    std::function<void(Args...)> handler_;
};

using Event = Notification<>;

// The keys a surface reports; what each one means is the program's to decide.
enum class Key { Space, Escape };

// A key pressed on a surface that holds the keyboard itself: once per press, however long it is held.
using KeyEvent = Notification<Key>;

}  // namespace platform
