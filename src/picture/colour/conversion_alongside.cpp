// Converting a decode's rows to the screen's colours on a second thread while the decode goes on.
#include "picture/colour/conversion_alongside.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace platform::qt {

namespace {

// Below this a thread costs more than it saves.
constexpr qint64 kPixelsWorthAThread = 1 << 20;

// A band is converted at a time, small enough for both threads to share the last rows.
constexpr int kBandRows = 32;

}  // namespace

ConversionAlongside::ConversionAlongside(ColourTransform transform, const uchar* in, qsizetype inLine, uchar* out,
                                         qsizetype outLine, int width, int height, const std::atomic<bool>* cancelled)
    : transform_(std::move(transform)),
      in_(in),
      inLine_(inLine),
      out_(out),
      outLine_(outLine),
      width_(width),
      height_(height),
      cancelled_(cancelled)
{
    if (!transform_.converts() || qint64{width} * height < kPixelsWorthAThread)
        return;
    try {
        thread_ = std::thread(&ConversionAlongside::run, this);
    } catch (const std::system_error&) {
        // Converted on the decoder's thread once the decode is done.
    }
}

ConversionAlongside::~ConversionAlongside()
{
    if (!thread_.joinable())
        return;
    {
        const std::lock_guard lock(mutex_);
        abandoned_ = true;
    }
    decoded_.notify_one();
    thread_.join();
}

void ConversionAlongside::rowsDecoded(int rows)
{
    if (!thread_.joinable())
        return;
    {
        const std::lock_guard lock(mutex_);
        rowsDecoded_ = rows;
    }
    decoded_.notify_all();
}

void ConversionAlongside::finish()
{
    if (!transform_.converts())
        return;
    {
        const std::lock_guard lock(mutex_);
        rowsDecoded_ = height_;
    }
    decoded_.notify_all();
    // The rows decoded last are shared out between both threads.
    while (convertNextBand()) {
    }
    if (thread_.joinable())
        thread_.join();
}

void ConversionAlongside::convert(int from, int to) const
{
    transform_.convertRows(in_ + from * inLine_, inLine_, out_ + from * outLine_, outLine_, width_, to - from);
}

bool ConversionAlongside::convertNextBand()
{
    int from = 0;
    int to = 0;
    {
        std::unique_lock lock(mutex_);
        decoded_.wait(lock, [this] { return abandoned_ || rowsClaimed_ < rowsDecoded_ || rowsClaimed_ == height_; });
        if (abandoned_ || rowsClaimed_ == height_ || (cancelled_ && cancelled_->load()))
            return false;
        from = rowsClaimed_;
        to = std::min(rowsDecoded_, from + kBandRows);
        rowsClaimed_ = to;
    }
    convert(from, to);
    return true;
}

void ConversionAlongside::run()
{
    while (convertNextBand()) {
    }
}

}  // namespace platform::qt
