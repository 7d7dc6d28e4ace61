// The thread that decodes pictures: the one asked for now, or the one most likely asked for next.
#include "platform/qt/decode_worker.h"

#include <utility>

#include "platform/qt/decoded_picture.h"
#include "platform/qt/picture_decoding.h"

namespace platform::qt {

DecodeWorker::~DecodeWorker()
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

void DecodeWorker::request(const std::string& path, QSize bound)
{
    std::shared_ptr<const DecodedPicture> dropped;
    {
        const std::lock_guard lock(mutex_);
        if (stage_ != Stage::Idle && path_ == path && bound_ == bound)
            return;
        dropped = replaceLocked(path, bound);
    }
    changed_.notify_all();
}

std::shared_ptr<const DecodedPicture> DecodeWorker::decode(const std::string& path, QSize bound)
{
    std::unique_lock lock(mutex_);
    const bool madeAhead = stage_ != Stage::Idle && path_ == path && bound_ == bound;
    std::shared_ptr<const DecodedPicture> dropped;
    if (!madeAhead) {
        dropped = replaceLocked(path, bound);
        changed_.notify_all();
    }
    // Waiting for a decode under way still costs less than starting another.
    changed_.wait(lock, [this] { return stage_ == Stage::Done; });
    stage_ = Stage::Idle;
    std::shared_ptr<const DecodedPicture> picture = std::move(result_);
    const std::exception_ptr error = std::exchange(error_, nullptr);
    lock.unlock();
    dropped.reset();
    if (picture)
        return picture;
    // A decode made ahead may have failed on an earlier version of the file.
    if (madeAhead)
        return decode(path, bound);
    std::rethrow_exception(error);
}

std::shared_ptr<const DecodedPicture> DecodeWorker::replaceLocked(const std::string& path, QSize bound)
{
    // Started before anything changes, so that a thread that cannot start leaves no request behind.
    if (!worker_.joinable())
        worker_ = std::thread(&DecodeWorker::run, this);
    if (stage_ == Stage::Decoding)
        cancelled_ = true;
    path_ = path;
    bound_ = bound;
    stage_ = Stage::Queued;
    error_ = nullptr;
    return std::move(result_);
}

void DecodeWorker::run()
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
        std::exception_ptr error;
        try {
            picture = std::make_shared<const DecodedPicture>(path, decodeFile(path, bound, &cancelled_, &scratch_));
        } catch (...) {
            error = std::current_exception();
        }

        lock.lock();
        // Any change of request meanwhile has moved the stage on from Decoding.
        if (stage_ == Stage::Decoding) {
            result_ = std::move(picture);
            error_ = error;
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
