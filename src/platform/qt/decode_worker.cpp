// The threads that decode pictures: the one asked for now, or the one most likely asked for next.
#include "platform/qt/decode_worker.h"

#include <optional>
#include <system_error>
#include <utility>

#include "picture/decode/region_decoding.h"
#include "platform/failure.h"
#include "platform/qt/decoded_picture.h"

namespace platform::qt {

namespace {

// How often a caller waiting on a decode is given the chance to keep its windows painted: a frame.
constexpr std::chrono::milliseconds kWaitSlice(16);

// What a job may take before its header tells how large the picture is: the stamp and the header of
// a file on a drive that does not answer must not hold the window any longer.
const std::chrono::milliseconds kHeaderBudget = decodeTimeBudget({});

// Threads beside jobs that outran their budget and have not stopped yet; beyond that, the next
// picture waits its turn and, like them, fails at its budget.
constexpr std::size_t kMostThreads = 3;

// A decode under way holds more than its result: a progressive JPEG keeps every coefficient of the
// picture, a reduced one the picture at the nearest scale. A decode ahead leaves room for as much.
constexpr std::int64_t kWorkingMemoryFactor = 2;

}  // namespace

// The scratch goes to one job at a time; a job beside it decodes without.
struct DecodeWorker::ScratchLoan {
    explicit ScratchLoan(DecodeWorker& lender) : worker(lender)
    {
        const std::lock_guard lock(worker.mutex_);
        owner = !worker.scratchLent_;
        if (owner)
            image = std::move(worker.scratch_);
        worker.scratchLent_ = true;
    }
    ~ScratchLoan()
    {
        if (!owner)
            return;
        const std::lock_guard lock(worker.mutex_);
        worker.scratch_ = std::move(image);
        worker.scratchLent_ = false;
    }
    ScratchLoan(const ScratchLoan&) = delete;
    ScratchLoan& operator=(const ScratchLoan&) = delete;

    DecodeWorker& worker;
    bool owner = false;
    QImage image;
};

struct DecodeWorker::Job {
    Job(std::string file, DecodeTarget covering, bool early)
        : path(std::move(file)), target(std::move(covering)), ahead(early)
    {
    }

    const std::string path;
    const DecodeTarget target;
    const bool ahead;
    std::atomic<bool> cancelled{false};
    // What a decode made ahead came to, served again while the file's stamp is the same.
    std::optional<Outcome> earlier;
    // Under the worker's lock: the time the header gives the decode; the outcome, once done.
    std::optional<std::chrono::milliseconds> budget;
    std::optional<Outcome> outcome;
};

DecodeWorker::DecodeWorker(Decode decode, Plan plan) : decoder_(std::move(decode)), planner_(std::move(plan)) {}

DecodeWorker::~DecodeWorker()
{
    std::unique_lock lock(mutex_);
    stopping_ = true;
    for (const std::shared_ptr<Job>& job : queue_)
        job->cancelled = true;
    if (ahead_)
        ahead_->cancelled = true;
    changed_.notify_all();
    std::vector<std::thread> threads = std::move(threads_);
    lock.unlock();
    for (std::thread& thread : threads)
        thread.join();
}

void DecodeWorker::request(const std::string& path, const DecodeTarget& target)
{
    std::unique_lock lock(mutex_);
    if (ahead_ && !ahead_->cancelled && ahead_->path == path && ahead_->target == target)
        return;
    std::shared_ptr<Job> dropped = std::exchange(ahead_, nullptr);
    if (dropped)
        dropped->cancelled = true;
    // Released first, so that the budget the new job reads no longer counts it.
    lock.unlock();
    dropped.reset();
    lock.lock();
    ahead_ = queueLocked(path, target, true);
}

std::shared_ptr<const DecodedPicture> DecodeWorker::decode(const std::string& path, const DecodeTarget& target,
                                                           const std::function<void()>& whileWaiting)
{
    const Clock::time_point start = Clock::now();
    std::unique_lock lock(mutex_);
    std::shared_ptr<Job> ahead = std::exchange(ahead_, nullptr);
    lock.unlock();
    std::optional<Outcome> earlier;
    if (ahead && ahead->path == path && ahead->target == target)
        earlier = wait(*ahead, start, whileWaiting);
    else if (ahead)
        ahead->cancelled = true;
    ahead.reset();

    // Even a decode made ahead is checked against the file as it is now, off this thread: a file
    // fixed since its decode failed is decoded again, one unchanged is not.
    lock.lock();
    if (earlier && earlier->gaveWay)
        earlier.reset();
    std::shared_ptr<Job> job = queueLocked(path, target, false, std::move(earlier));
    lock.unlock();
    Outcome outcome = wait(*job, start, whileWaiting);
    if (!outcome.picture)
        throw Failure(outcome.failure);
    return std::move(outcome.picture);
}

std::shared_ptr<DecodeWorker::Job> DecodeWorker::queueLocked(const std::string& path, const DecodeTarget& target,
                                                             bool ahead, std::optional<Outcome> earlier)
{
    auto job = std::make_shared<Job>(path, target, ahead);
    job->earlier = std::move(earlier);
    if (idle_ == 0 && threads_.size() < kMostThreads) {
        try {
            threads_.emplace_back(&DecodeWorker::serve, this);
        } catch (const std::system_error&) {
            if (threads_.empty())
                throw Failure("cannot start decoding " + path);
        }
    }
    queue_.push_back(job);
    changed_.notify_all();
    return job;
}

DecodeWorker::Outcome DecodeWorker::wait(Job& job, Clock::time_point start, const std::function<void()>& whileWaiting)
{
    std::unique_lock lock(mutex_);
    for (;;) {
        if (job.outcome)
            return std::move(*job.outcome);
        if (Clock::now() >= start + job.budget.value_or(kHeaderBudget)) {
            job.cancelled = true;
            throw Failure("decoding took too long: " + job.path);
        }
        changed_.wait_for(lock, kWaitSlice);
        if (whileWaiting && !job.outcome) {
            lock.unlock();
            whileWaiting();
            lock.lock();
        }
    }
}

DecodeWorker::Outcome DecodeWorker::run(Job& job)
{
    Outcome outcome;
    try {
        outcome.stamp = stampOf(job.path);
        if (job.earlier && job.earlier->stamp == outcome.stamp)
            return std::move(*job.earlier);
        // Out of the budget before the new decode reads it.
        job.earlier.reset();
        const std::optional<OnScreen>& onScreen = job.target.onScreen;
        const DecodePlan plan =
            onScreen ? planPartDecode(job.path, [&onScreen](QSize natural) { return onScreen->partOf(natural); })
                     : planner_(job.path, job.target.bound);
        {
            const std::lock_guard lock(mutex_);
            job.budget = plan.time;
        }
        // Decoding ahead gives way to what is held: the picture is decoded when its turn comes.
        std::optional<BudgetCharge> reserved =
            BudgetCharge::tryReserve((job.ahead ? kWorkingMemoryFactor : 1) * plan.bytes);
        if (!reserved && job.ahead) {
            outcome.gaveWay = true;
            return outcome;
        }
        if (!reserved)
            throw Failure("beyond the memory budget: " + job.path);
        ScratchLoan scratch(*this);
        DecodedFile decoded = plan.part.isEmpty()
                                  ? decoder_(job.path, job.target.bound, &job.cancelled, &scratch.image)
                                  : decodeFileRegion(job.path, plan.part, &job.cancelled);
        outcome.picture = std::make_shared<const DecodedPicture>(job.path, std::move(decoded), std::move(*reserved));
        outcome.stamp = outcome.picture->stamp();
    } catch (const std::exception& failure) {
        outcome.failure = failure.what();
    }
    return outcome;
}

void DecodeWorker::serve()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        ++idle_;
        changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        --idle_;
        if (stopping_)
            return;
        std::shared_ptr<Job> job = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        Outcome outcome = job->cancelled ? Outcome{{}, "cancelled: " + job->path, {}, false} : run(*job);
        lock.lock();
        job->outcome = std::move(outcome);
        // Idle from now on, so that the next job comes here rather than to a thread of its own.
        ++idle_;
        changed_.notify_all();
        // A decode nobody wants any more is freed without holding up the other threads.
        lock.unlock();
        job.reset();
        lock.lock();
        --idle_;
    }
}

}  // namespace platform::qt
