// The thread that decodes pictures: the one asked for now, or the one most likely asked for next.
#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include <QImage>
#include <QSize>

namespace platform::qt {

class DecodedPicture;

// Every decode runs on one worker, so the large buffers a decode needs are reused from one
// thread's memory rather than held once per thread. At most one picture is held ahead.
class DecodeWorker {
public:
    DecodeWorker() = default;
    // Cancels the decode under way and waits for the worker to end.
    ~DecodeWorker();
    DecodeWorker(const DecodeWorker&) = delete;
    DecodeWorker& operator=(const DecodeWorker&) = delete;

    // Starts decoding path ahead, to cover the picture fitted into bound, unless exactly that is
    // already asked for; whatever else was asked for is dropped and its decode cancelled.
    void request(const std::string& path, QSize bound);
    // The decode of path for bound: the one made ahead if it is exactly that, waiting while it is
    // under way, or else a new one. Throws Failure as decodeFile does.
    std::shared_ptr<const DecodedPicture> decode(const std::string& path, QSize bound);

private:
    enum class Stage { Idle, Queued, Decoding, Done };

    void run();
    // Forgets what was asked for, cancelling its decode, and asks for path; the caller holds the
    // lock and releases the returned result once it no longer does.
    std::shared_ptr<const DecodedPicture> replaceLocked(const std::string& path, QSize bound);

    std::mutex mutex_;
    std::condition_variable changed_;
    Stage stage_ = Stage::Idle;
    std::string path_;
    QSize bound_;
    std::shared_ptr<const DecodedPicture> result_;
    std::exception_ptr error_;
    std::atomic<bool> cancelled_{false};
    bool stopping_ = false;
    // The worker's own: the reduced decode's buffer, kept from one picture to the next.
    QImage scratch_;
    std::thread worker_;
};

}  // namespace platform::qt
