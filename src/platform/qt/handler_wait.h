// The window's thread waiting inside a handler, on a decode, with the windows kept painted.
#pragma once

#include <functional>

namespace platform::qt {

// Open while the window's thread waits inside a handler; waits nest. The events delivered meanwhile,
// to keep the windows painted, start no handler: a timer's tick is dropped, as a busy thread would
// merge it, and the user's input waits until the handler is done. What would pull a window from
// under the waiting handler, a close or the end of the program, is put off until then.
class HandlerWait {
public:
    HandlerWait();
    ~HandlerWait();
    HandlerWait(const HandlerWait&) = delete;
    HandlerWait& operator=(const HandlerWait&) = delete;

    static bool open();
    // Runs act now when no wait is open, or else once the handler that waits has returned.
    static void whenEnded(std::function<void()> act);
};

}  // namespace platform::qt
