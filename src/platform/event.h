// A control's notification: at most one handler, run synchronously when raised.
#pragma once

#include <functional>
#include <utility>

namespace platform {

class Event {
public:
    void connect(std::function<void()> handler) { handler_ = std::move(handler); }
    void raise() const
    {
        if (handler_)
            handler_();
    }

private:
    std::function<void()> handler_;
};

}  // namespace platform
