// Decoding the picture most likely loaded next on a worker thread, one picture ahead at most.
#include "platform/qt/picture_prefetcher.h"

#include <exception>
#include <utility>

#include "platform/qt/decoded_picture.h"
#include "platform/qt/picture_decoding.h"

namespace platform::qt {

PicturePrefetcher::~PicturePrefetcher()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        cancelled_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

void PicturePrefetcher::request(const std::string& path, QSize bound)
{
    std::shared_ptr<const DecodedPicture> dropped;
    {
        const std::lock_guard lock(mutex_);
        if (stage_ != Stage::Idle && path_ == path && bound_ == bound)
            return;
        // Started before anything changes, so that a thread that cannot start leaves no request behind.
        if (!worker_.joinable())
            worker_ = std::thread(&PicturePrefetcher::run, this);
        dropped = dropLocked();
        path_ = path;
        bound_ = bound;
        stage_ = Stage::Queued;
    }
    changed_.notify_all();
}

std::shared_ptr<const DecodedPicture> PicturePrefetcher::take(const std::string& path, QSize bound)
{
    std::unique_lock lock(mutex_);
    if (stage_ == Stage::Idle || path_ != path || bound_ != bound) {
        const std::shared_ptr<const DecodedPicture> dropped = dropLocked();
        lock.unlock();
        return nullptr;
    }
    // Waiting for the decode under way still costs less than starting another.
    changed_.wait(lock, [this] { return stage_ == Stage::Done; });
    stage_ = Stage::Idle;
    return std::move(result_);
}

std::shared_ptr<const DecodedPicture> PicturePrefetcher::dropLocked()
{
    if (stage_ == Stage::Decoding)
        cancelled_ = true;
    stage_ = Stage::Idle;
    return std::move(result_);
}

void PicturePrefetcher::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || stage_ == Stage::Queued; });
        if (stopping_)
            return;
        stage_ = Stage::Decoding;
        cancelled_ = false;
        const std::string path = path_;
        const QSize bound = bound_;
        lock.unlock();

        std::shared_ptr<const DecodedPicture> picture;
        try {
            picture = std::make_shared<const DecodedPicture>(path, decodeFile(path, bound, &cancelled_));
        } catch (const std::exception&) {
        }

        lock.lock();
        // Any change of request meanwhile has moved the stage on from Decoding.
        if (stage_ == Stage::Decoding) {
            result_ = std::move(picture);
            stage_ = Stage::Done;
        }
        changed_.notify_all();
        // A decode nobody wants any more is freed without holding up the other thread.
        lock.unlock();
        picture.reset();
        lock.lock();
    }
}

}  // namespace platform::qt
