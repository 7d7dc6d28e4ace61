// Hints made while the user is still choosing wait until the choice rests before anything decodes.
#include "platform/qt/idle_prefetch.h"

namespace platform::qt {

namespace {

// Longer than the pause between keystrokes or a list's key repeat, short against the time a
// user takes to reach the Go button.
constexpr int kQuietMs = 250;

}  // namespace

IdlePrefetchLoader::IdlePrefetchLoader(PictureLoader& loader) : loader_(loader)
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    QObject::connect(&quiet_, &QTimer::timeout, [this] { loader_.prefetch(path_, use_); });
}

PicturePtr IdlePrefetchLoader::load(const std::string& path, PictureUse use)
{
    quiet_.stop();
    return loader_.load(path, use);
}

void IdlePrefetchLoader::prefetch(const std::string& path, PictureUse use)
{
    quiet_.stop();
    loader_.prefetch(path, use);
}

void IdlePrefetchLoader::prefetchWhenIdle(const std::string& path, PictureUse use)
{
    path_ = path;
    use_ = use;
    quiet_.start();
}

}  // namespace platform::qt
