// Decoding JPEG files with libjpeg-turbo, reduced while decoding and straight into the painted format.
#include "picture/decode/jpeg_decoding.h"

#include "picture/colour/colour_profiles.h"
#include "picture/colour/conversion_alongside.h"
#include "picture/decode/exif_orientation.h"
#include "picture/decode/jpeg_header.h"
#include "picture/decode/jpeg_session.h"
#include "picture/decode/picture_limits.h"
#include "picture/decode/picture_memory.h"
#include "picture/loading/decode_budget.h"
#include "platform/failure.h"

namespace platform::qt {

namespace {

using Clock = std::chrono::steady_clock;

std::int64_t scaledSide(int side, int eighths)
{
    return (std::int64_t{side} * eighths + 7) / 8;
}

// What a decode only passed on to a smaller size goes into: the scratch's memory when there is one,
// reused from one decode to the next, unless the decode is too large to be worth holding on to.
QImage canvas(QSize size, QImage* scratch)
{
    const qsizetype bytes = qsizetype{size.width()} * 4 * size.height();
    if (!scratch || bytes > kScratchLimitBytes)
        return uninitialisedImage(size);
    if (scratch->sizeInBytes() < bytes) {
        *scratch = QImage();
        *scratch = uninitialisedImage(size);
        if (scratch->isNull())
            return {};
    }
    return QImage(scratch->bits(), size.width(), size.height(), size.width() * 4, QImage::Format_RGB32);
}

}  // namespace

bool isJpeg(QIODevice& device)
{
    return device.peek(2) == QByteArray("\xff\xd8", 2);
}

int jpegEighthsFor(QSize stored, QSize target)
{
    if (target.width() >= stored.width() && target.height() >= stored.height())
        return 8;
    // libjpeg-turbo has fast reductions to 1/8, 1/4 and 1/2 only: at 3/8 it is no faster than at
    // 1/2, and at 5/8 to 7/8 slower than decoding the whole picture.
    for (const int eighths : {1, 2, 4}) {
        if (scaledSide(stored.width(), eighths) >= target.width() &&
            scaledSide(stored.height(), eighths) >= target.height())
            return eighths;
    }
    return 8;
}

JpegSessionPtr openJpegDecode(QIODevice& device, const std::string& path, const std::atomic<bool>* cancelled,
                              Clock::time_point start)
{
    JpegSessionPtr session = newJpegSession(device);
    session->workingBytes = kPictureMemoryLimitBytes;
    session->cancelled = cancelled;
    session->maxScans = kMaxJpegScans;
    session->deadline = start + decodeTimeBudget({});
    readJpegHeader(*session, path);
    refuseUncodablePixels(session->info, device.size(), path);
    return session;
}

DecodedFile decodeJpeg(QIODevice& device, const std::string& path, QSize bound, const std::atomic<bool>* cancelled,
                       QImage* scratch)
{
    const Clock::time_point start = Clock::now();
    const JpegSessionPtr session = openJpegDecode(device, path, cancelled, start);
    JpegSession& s = *session;

    // All that decides whether the picture is decoded, and at what size, is known from the header.
    const QSize stored(static_cast<int>(s.info.image_width), static_cast<int>(s.info.image_height));
    s.deadline = start + decodeTimeBudget(stored);
    const int orientation = orientationOf(s.info);
    DecodedFile decoded;
    decoded.natural = turnsQuarter(orientation) ? stored.transposed() : stored;
    const QSize target = coverSize(decoded.natural, bound);
    const QSize storedTarget = turnsQuarter(orientation) ? target.transposed() : target;
    const bool cmyk = s.info.jpeg_color_space == JCS_CMYK || s.info.jpeg_color_space == JCS_YCCK;
    prepareJpegOutput(s, jpegEighthsFor(stored, storedTarget), cmyk ? JCS_CMYK : kPaintedSpace, path);
    const QSize size(static_cast<int>(s.info.output_width), static_cast<int>(s.info.output_height));
    refuseBeyondLimits(size, target, path);
    refuseCoefficientMemory(s.info, path);
    const QByteArray profile = readJpegProfile(s);

    QImage image = size != storedTarget ? canvas(size, scratch) : uninitialisedImage(size);
    if (image.isNull())
        throw Failure("out of memory for " + path);
    // Colours are converted before the resampling mixes them; a grey picture's once it is whole.
    const bool grey = s.info.jpeg_color_space == JCS_GRAYSCALE;
    DisplayTransform colours = grey ? DisplayTransform{} : colourTransformToDisplay(profile, s.deadline);
    ConversionAlongside conversion(colours.transform, image.constBits(), image.bytesPerLine(), image.bits(),
                                   image.bytesPerLine(), size.width(), size.height(), cancelled);
    readJpegRows(s, image.bits(), image.bytesPerLine(), path,
                 [&conversion](int rows) { conversion.rowsDecoded(rows); });
    conversion.finish();
    decoded.displayProfile =
        grey ? toDisplayColours(image, profile, s.deadline, true) : std::move(colours.destination);
    stopIfCancelled(cancelled, path);
    decoded.image = oriented(resampled(image, storedTarget), orientation);
    if (decoded.image.isNull())
        throw Failure("out of memory for " + path);
    return decoded;
}

}  // namespace platform::qt
