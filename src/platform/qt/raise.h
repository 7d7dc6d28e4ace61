// Raises a program event from a Qt notification. Exceptions must not cross Qt's event loop, and a
// handler without an error trap must not end the program: a failure ends that handler only.
#pragma once

#include <exception>

#include "platform/event.h"
#include "platform/qt/failure_log.h"
#include "platform/qt/handler_wait.h"

namespace platform::qt {

template <typename... Args>
void raiseFromQt(const Notification<Args...>& event, Args... args)
{
    if (HandlerWait::open())
        return;
    try {
        event.raise(args...);
    } catch (const std::exception& failure) {
        passOver("event handler", failure.what());
    }
}

}  // namespace platform::qt
