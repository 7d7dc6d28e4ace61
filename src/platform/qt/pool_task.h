// Starting a task on Qt's global thread pool.
#pragma once

#include <QRunnable>
#include <QThreadPool>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

namespace platform::qt {

#if defined(__SANITIZE_THREAD__)
// Qt is not built with ThreadSanitizer, so the lock under which its pool hands a task to a thread it
// already has is not seen; the handoff is told to it here.
inline char gPoolHandoff;
#endif

template <class Task>
void startOnPool(Task task)
{
    QRunnable* runnable = QRunnable::create([task = std::move(task)]() mutable {
#if defined(__SANITIZE_THREAD__)
        __tsan_acquire(&gPoolHandoff);
#endif
        task();
    });
#if defined(__SANITIZE_THREAD__)
    __tsan_release(&gPoolHandoff);
#endif
    QThreadPool::globalInstance()->start(runnable);
}

}  // namespace platform::qt
