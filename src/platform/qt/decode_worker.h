// Decoding the picture most likely loaded next on a worker thread, one picture ahead at most.
#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include <QSize>

namespace platform::qt {

class DecodedPicture;

class PicturePrefetcher {
public:
    PicturePrefetcher() = default;
    // Cancels the decode under way and waits for the worker to end.
    ~PicturePrefetcher();
    PicturePrefetcher(const PicturePrefetcher&) = delete;
    PicturePrefetcher& operator=(const PicturePrefetcher&) = delete;

    // Decodes path to cover the picture fitted into bound, unless exactly that is already asked
    // for; whatever else was asked for is dropped and its decode cancelled.
    void request(const std::string& path, QSize bound);
    // The decode of path for bound if exactly that was asked for, waiting while it is under way;
    // null if it was not or it failed. Nothing is held afterwards.
    std::shared_ptr<const DecodedPicture> take(const std::string& path, QSize bound);

private:
    enum class Stage { Idle, Queued, Decoding, Done };

    void run();
    // Forgets the request, cancelling its decode; returns the result for the caller to release.
    std::shared_ptr<const DecodedPicture> dropLocked();

    std::mutex mutex_;
    std::condition_variable changed_;
    Stage stage_ = Stage::Idle;
    std::string path_;
    QSize bound_;
    std::shared_ptr<const DecodedPicture> result_;
    std::atomic<bool> cancelled_{false};
    bool stopping_ = false;
    std::thread worker_;
};

}  // namespace platform::qt
