// The thread that decodes pictures: the one asked for now, or the one most likely asked for next.
#include "platform/qt/decode_worker.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>

#include "picture/loading/decode_budget.h"
#include "platform/failure.h"
#include "platform/qt/decoded_picture.h"

namespace platform::qt {

namespace {

// How often a caller waiting on a decode is given the chance to keep its windows painted: a frame.
constexpr std::chrono::milliseconds kWaitSlice(16);

// How long an ending worker is given to notice its decode was cancelled before it is left behind.
constexpr std::chrono::milliseconds kStopGrace(250);

// A decode under way holds more than its result: a progressive JPEG keeps every coefficient of the
// picture, a reduced one the picture at the nearest scale. A decode ahead leaves room for as much.
constexpr std::int64_t kWorkingMemoryFactor = 2;

}  // namespace

// Owned with the thread, so that a thread left to end on its own never outlives what it works on.
struct DecodeWorker::Shared {
    enum class Stage { Idle, Queued, Decoding, Done };

    explicit Shared(Decode decode) : decoder(std::move(decode)) {}

    void run();
    // Forgets what was asked for, cancelling its decode; the caller releases the returned result
    // once it no longer holds the lock.
    std::shared_ptr<const DecodedPicture> dropLocked();
    void queueLocked(const std::string& path, QSize bound, bool ahead);
    bool asks(const std::string& path, QSize bound) const
    {
        return stage != Stage::Idle && path == askedPath && bound == askedBound;
    }

    const Decode decoder;
    std::mutex mutex;
    std::condition_variable changed;
    // Only the worker moves a request from Queued to Decoding, and any other request moves it away:
    // a decode that finds its stage changed was for a request no longer asked for.
    Stage stage = Stage::Idle;
    std::string askedPath;
    QSize askedBound;
    bool askedAhead = false;
    // The worker's plan of a decode ahead, so that the caller who comes to wait on it need not
    // read the file's header again on its own thread.
    std::optional<DecodePlan> plan;
    std::shared_ptr<const DecodedPicture> result;
    std::exception_ptr error;
    std::atomic<bool> cancelled{false};
    bool stopping = false;
    bool ended = false;
    // The worker's own: the reduced decode's buffer, kept from one picture to the next.
    QImage scratch;
};

DecodeWorker::DecodeWorker(Decode decode) : shared_(std::make_shared<Shared>(std::move(decode))) {}

DecodeWorker::~DecodeWorker()
{
    std::unique_lock lock(shared_->mutex);
    shared_->stopping = true;
    shared_->cancelled = true;
    shared_->changed.notify_all();
    if (!worker_.joinable())
        return;
    const bool ended = shared_->changed.wait_for(lock, kStopGrace, [this] { return shared_->ended; });
    lock.unlock();
    if (ended)
        worker_.join();
    else
        worker_.detach();
}

void DecodeWorker::request(const std::string& path, QSize bound)
{
    std::unique_lock lock(shared_->mutex);
    if (shared_->asks(path, bound))
        return;
    std::shared_ptr<const DecodedPicture> dropped = shared_->dropLocked();
    // Released first, so that the budget the worker reads no longer counts it.
    lock.unlock();
    dropped.reset();
    lock.lock();
    startLocked();
    shared_->queueLocked(path, bound, true);
}

std::shared_ptr<const DecodedPicture> DecodeWorker::decode(const std::string& path, QSize bound,
                                                           const std::function<void()>& makeRoom,
                                                           const std::function<void()>& whileWaiting)
{
    std::unique_lock lock(shared_->mutex);
    const bool madeAhead = shared_->asks(path, bound);
    // A picture decoded ahead needs no second look at its file on the window's thread.
    DecodePlan plan;
    if (madeAhead && shared_->plan) {
        plan = *shared_->plan;
    } else if (!madeAhead || shared_->stage != Shared::Stage::Done) {
        lock.unlock();
        plan = planDecode(path, bound);
        lock.lock();
    }
    if (!madeAhead) {
        std::shared_ptr<const DecodedPicture> dropped = shared_->dropLocked();
        lock.unlock();
        dropped.reset();
        if (makeRoom && !fitsBudget(plan.bytes))
            makeRoom();
        lock.lock();
        startLocked();
        shared_->queueLocked(path, bound, false);
    }
    // Waiting for a decode under way still costs less than starting another.
    const auto done = [this] { return shared_->stage == Shared::Stage::Done; };
    const auto deadline = std::chrono::steady_clock::now() + plan.time;
    while (!shared_->changed.wait_for(lock, std::min(kWaitSlice, plan.time), done)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            shared_->dropLocked();
            throw Failure("decoding took too long: " + path);
        }
        if (whileWaiting) {
            lock.unlock();
            whileWaiting();
            lock.lock();
        }
    }
    shared_->stage = Shared::Stage::Idle;
    std::shared_ptr<const DecodedPicture> picture = std::move(shared_->result);
    const std::exception_ptr error = std::exchange(shared_->error, nullptr);
    lock.unlock();
    if (picture)
        return picture;
    // A picture that failed ahead fails now without a second try: a hostile file would otherwise
    // cost its whole time budget again, on the window's thread.
    if (error)
        std::rethrow_exception(error);
    // A decode made ahead may have given way to the budget.
    if (madeAhead)
        return decode(path, bound, makeRoom, whileWaiting);
    throw Failure("cannot decode " + path);
}

void DecodeWorker::startLocked()
{
    // Started before anything is asked for, so that a thread that cannot start leaves no request behind.
    if (!worker_.joinable())
        worker_ = std::thread([shared = shared_] { shared->run(); });
}

std::shared_ptr<const DecodedPicture> DecodeWorker::Shared::dropLocked()
{
    if (stage == Stage::Decoding)
        cancelled = true;
    stage = Stage::Idle;
    plan.reset();
    error = nullptr;
    return std::move(result);
}

void DecodeWorker::Shared::queueLocked(const std::string& path, QSize bound, bool ahead)
{
    askedPath = path;
    askedBound = bound;
    askedAhead = ahead;
    plan.reset();
    stage = Stage::Queued;
    changed.notify_all();
}

void DecodeWorker::Shared::run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return stopping || stage == Stage::Queued; });
        if (stopping)
            break;
        stage = Stage::Decoding;
        cancelled = false;
        const std::string path = askedPath;
        const QSize bound = askedBound;
        const bool ahead = askedAhead;
        lock.unlock();

        std::shared_ptr<const DecodedPicture> picture;
        std::exception_ptr failure;
        try {
            // Decoding ahead gives way to what is held: the picture is decoded when its turn comes.
            bool fits = true;
            if (ahead) {
                const DecodePlan made = planDecode(path, bound);
                fits = fitsBudget(kWorkingMemoryFactor * made.bytes);
                const std::lock_guard planned(mutex);
                if (stage == Stage::Decoding)
                    plan = made;
            }
            if (fits)
                picture = std::make_shared<const DecodedPicture>(path, decoder(path, bound, &cancelled, &scratch));
        } catch (...) {
            failure = std::current_exception();
        }

        lock.lock();
        if (stage == Stage::Decoding) {
            result = std::move(picture);
            error = failure;
            stage = Stage::Done;
        }
        changed.notify_all();
        // A decode nobody wants any more is freed without holding up the other thread.
        lock.unlock();
        picture.reset();
        lock.lock();
    }
    ended = true;
    changed.notify_all();
}

}  // namespace platform::qt
