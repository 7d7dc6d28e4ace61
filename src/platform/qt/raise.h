// Raises a program event from a Qt notification. Exceptions must not cross Qt's event loop, and a
// handler without an error trap must not end the program: a failure ends that handler only.
#pragma once

#include <exception>

#include "platform/event.h"
#include "platform/qt/failure_log.h"

namespace platform::qt {

// True while the window's thread waits on a decode inside a handler. The events it delivers
// meanwhile, to keep the windows painted, start no handler: a timer's tick is dropped, as a busy
// thread would merge it, and the user's input waits until the handler is done.
inline bool& waitingInsideHandler()
{
    static bool waiting = false;
    return waiting;
}

template <typename... Args>
void raiseFromQt(const Notification<Args...>& event, Args... args)
{
    if (waitingInsideHandler())
        return;
    try {
        event.raise(args...);
    } catch (const std::exception& failure) {
        passOver("event handler", failure.what());
    }
}

}  // namespace platform::qt
