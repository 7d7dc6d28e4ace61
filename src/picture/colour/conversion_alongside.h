// Converting a decode's rows to the screen's colours on a second thread while the decode goes on.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <QtGlobal>

#include "picture/colour/colour_transform.h"

namespace platform::qt {

// A large picture's conversion then costs its decode next to nothing: the rows are converted
// behind the decoder, while they are still in the processor's cache, and the last ones by both
// threads at once.
class ConversionAlongside {
public:
    // For rows converted from in to out, which may be the same rows; nothing is converted before
    // rows are decoded, nor once cancelled is set.
    ConversionAlongside(ColourTransform transform, const uchar* in, qsizetype inLine, uchar* out, qsizetype outLine,
                        int width, int height, const std::atomic<bool>* cancelled = nullptr);
    // Gives up the rows not converted yet, as when the decode has failed.
    ~ConversionAlongside();
    ConversionAlongside(const ConversionAlongside&) = delete;
    ConversionAlongside& operator=(const ConversionAlongside&) = delete;

    // The decode has filled rows rows from the first.
    void rowsDecoded(int rows);
    // The decode is complete: returns once every row is converted, or at once when cancelled.
    void finish();

private:
    void convert(int from, int to) const;
    // Claims the next decoded rows and converts them; false once there are none left to claim.
    bool convertNextBand();
    void run();

    const ColourTransform transform_;
    const uchar* const in_;
    const qsizetype inLine_;
    uchar* const out_;
    const qsizetype outLine_;
    const int width_;
    const int height_;
    const std::atomic<bool>* const cancelled_;
    std::mutex mutex_;
    std::condition_variable decoded_;
    int rowsDecoded_ = 0;
    int rowsClaimed_ = 0;
    bool abandoned_ = false;
    std::thread thread_;
};

}  // namespace platform::qt
