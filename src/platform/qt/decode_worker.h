// The thread that decodes pictures: the one asked for now, or the one most likely asked for next.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include <QImage>
#include <QSize>

#include "picture/decode/picture_decoding.h"

namespace platform::qt {

class DecodedPicture;

// Every decode of a picture to be shown runs on one worker, so the large buffers a decode needs
// are reused from one thread's memory rather than held once per thread (only the picture box's
// whole picture, wanted after a stop, is decoded on a thread of the application's pool). At most
// one picture is held ahead, and only while it fits the memory budget. No caller waits on a decode
// past its time budget.
class DecodeWorker {
public:
    using Decode = std::function<DecodedFile(const std::string& path, QSize bound,
                                             const std::atomic<bool>* cancelled, QImage* scratch)>;

    explicit DecodeWorker(Decode decode = decodeFile);
    // Cancels the decode under way and lets the worker end; one that does not stop soon is left
    // to end on its own rather than waited for.
    ~DecodeWorker();
    DecodeWorker(const DecodeWorker&) = delete;
    DecodeWorker& operator=(const DecodeWorker&) = delete;

    // Starts decoding path ahead, to cover the picture fitted into bound, unless exactly that is
    // already asked for; whatever else was asked for is dropped and its decode cancelled.
    void request(const std::string& path, QSize bound);
    // The decode of path for bound: the one made ahead if it is exactly that, waiting while it is
    // under way, or else a new one, for which makeRoom is called first when it would not fit the
    // budget; whileWaiting is called about once a frame while the decode runs. Throws Failure as
    // decodeFile and planDecode do, and when the decode outruns its time.
    std::shared_ptr<const DecodedPicture> decode(const std::string& path, QSize bound,
                                                 const std::function<void()>& makeRoom = {},
                                                 const std::function<void()>& whileWaiting = {});

private:
    struct Shared;

    void startLocked();

    std::shared_ptr<Shared> shared_;
    std::thread worker_;
};

}  // namespace platform::qt
