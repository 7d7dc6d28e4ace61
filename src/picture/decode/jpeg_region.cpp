// Decoding a part of a JPEG file alone: only the columns and rows of blocks that hold it.
#include "picture/decode/jpeg_region.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <utility>

#include "picture/colour/colour_profiles.h"
#include "picture/colour/conversion_alongside.h"
#include "picture/decode/exif_orientation.h"
#include "picture/decode/jpeg_decoding.h"
#include "picture/decode/jpeg_header.h"
#include "picture/decode/jpeg_session.h"
#include "picture/decode/picture_limits.h"
#include "picture/decode/picture_memory.h"
#include "picture/decode/picture_region.h"
#include "picture/loading/decode_budget.h"
#include "platform/failure.h"

namespace platform::qt {

DecodedFile decodeJpegRegion(QIODevice& device, const std::string& path, QRect seen, const std::atomic<bool>* cancelled)
{
    const auto start = std::chrono::steady_clock::now();
    const JpegSessionPtr session = openJpegDecode(device, path, cancelled, start);
    JpegSession& s = *session;

    const QSize stored(static_cast<int>(s.info.image_width), static_cast<int>(s.info.image_height));
    const int orientation = orientationOf(s.info);
    DecodedFile decoded;
    decoded.natural = turnsQuarter(orientation) ? stored.transposed() : stored;
    const QRect seenPart = partWithin(decoded.natural, seen, path);
    const QRect part = storedPart(decoded.natural, orientation, seenPart);
    refuseBeyondLimits(part.size(), seenPart.size(), path);
    refuseCoefficientMemory(s.info, path);
    // Rows above the part are still read, and a progressive file's every scan before the first row
    // comes out: the budget is the whole picture's.
    s.deadline = start + decodeTimeBudget(stored);
    const bool cmyk = s.info.jpeg_color_space == JCS_CMYK || s.info.jpeg_color_space == JCS_YCCK;
    prepareJpegOutput(s, 8, cmyk ? JCS_CMYK : kPaintedSpace, path);
    const QByteArray profile = readJpegProfile(s);

    // Colours stored at half the width are upsampled from both neighbours: a column more on each
    // side keeps the crop from replacing the neighbours of the part's edges with its own.
    const int left = std::max(0, part.left() - 1), right = std::min(stored.width(), part.left() + part.width() + 1);
    const JpegColumns columns = startJpegColumns(s, left, right - left, path);
    QImage band = uninitialisedImage(QSize(columns.width, part.height()));
    if (band.isNull())
        throw Failure("out of memory for " + path);
    // The columns beside the part are decoded only to be cut off: they are not converted.
    const qsizetype skipped = qsizetype{part.left() - columns.left} * 4;
    const bool grey = s.info.jpeg_color_space == JCS_GRAYSCALE;
    DisplayTransform colours = grey ? DisplayTransform{} : colourTransformToDisplay(profile, s.deadline);
    ConversionAlongside conversion(colours.transform, band.constBits() + skipped, band.bytesPerLine(),
                                   band.bits() + skipped, band.bytesPerLine(), part.width(), part.height(), cancelled);
    readJpegBand(s, part.top(), part.height(), band.bits(), band.bytesPerLine(), path,
                 [&conversion](int rows) { conversion.rowsDecoded(rows); });
    conversion.finish();
    // The part is the band without those columns: its own rows, not a copy into fresh memory.
    auto kept = std::make_unique<QImage>(std::move(band));
    QImage image(kept->bits() + skipped, part.width(), part.height(), kept->bytesPerLine(), kept->format(),
                 [](void* owner) { delete static_cast<QImage*>(owner); }, kept.get());
    if (image.isNull())
        throw Failure("out of memory for " + path);
    kept.release();
    decoded.displayProfile = grey ? toDisplayColours(image, profile, s.deadline, true) : std::move(colours.destination);
    decoded.image = oriented(std::move(image), orientation);
    if (decoded.image.isNull())
        throw Failure("out of memory for " + path);
    return decoded;
}

}  // namespace platform::qt
