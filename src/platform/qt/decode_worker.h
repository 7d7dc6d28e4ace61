// The threads that decode pictures: the one asked for now, or the one most likely asked for next.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <QImage>
#include <QSize>

#include "picture/decode/picture_decoding.h"
#include "picture/loading/decode_budget.h"
#include "platform/qt/on_screen.h"

namespace platform::qt {

class DecodedPicture;

// Each decode is a job with a cancel token of its own, run off the window's thread from the file's
// stamp and header on. The window's thread only waits, and never past the decode's time budget. Jobs
// run on one thread, the next waiting for the one before, so that the large buffers a decode needs
// are reused; a job queued while none is idle, as when one outran its budget and has not yet
// stopped, gets another thread beside it, so that it never holds up the next picture. At most one picture is held ahead, and only while it fits the memory budget.
class DecodeWorker {
public:
    using Decode = std::function<DecodedFile(const std::string& path, QSize bound, const std::atomic<bool>* cancelled,
                                             QImage* scratch)>;
    using Plan = std::function<DecodePlan(const std::string& path, QSize bound)>;

    explicit DecodeWorker(Decode decode = decodeFile, Plan plan = planDecode);
    // Cancels every job and joins every thread: nothing outlives the worker.
    ~DecodeWorker();
    DecodeWorker(const DecodeWorker&) = delete;
    DecodeWorker& operator=(const DecodeWorker&) = delete;

    // Starts decoding path ahead, to cover target, unless exactly that is already asked for; whatever
    // else was asked for ahead is cancelled.
    void request(const std::string& path, const DecodeTarget& target);
    // The decode of path for target: the one made ahead if it is exactly that and the file has not
    // changed since, waiting while it is under way, or else a new one; whileWaiting is called about
    // once a frame meanwhile. Throws Failure as decodeFile and planDecode do, when the decode outruns
    // its time, and when it does not fit the memory budget beside what is held.
    std::shared_ptr<const DecodedPicture> decode(const std::string& path, const DecodeTarget& target,
                                                 const std::function<void()>& whileWaiting = {});

private:
    // What a job comes to, as a value: the picture or why there is none, and the file's stamp then.
    struct Outcome {
        std::shared_ptr<const DecodedPicture> picture;
        std::string failure;
        FileStamp stamp;
        bool gaveWay = false;  // not decoded, for it would not fit the memory budget
    };
    struct Job;
    using Clock = std::chrono::steady_clock;

    struct ScratchLoan;

    std::shared_ptr<Job> queueLocked(const std::string& path, const DecodeTarget& target, bool ahead,
                                     std::optional<Outcome> earlier = {});
    Outcome wait(Job& job, Clock::time_point start, const std::function<void()>& whileWaiting);
    Outcome run(Job& job);
    void serve();

    const Decode decoder_;
    const Plan planner_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::shared_ptr<Job>> queue_;
    std::shared_ptr<Job> ahead_;
    std::vector<std::thread> threads_;
    int idle_ = 0;
    bool stopping_ = false;
    // The reduced decode's buffer, kept from one picture to the next by whichever job is running.
    QImage scratch_;
    bool scratchLent_ = false;
};

}  // namespace platform::qt
