// Decoding only the part of a picture file that is seen, for a picture shown at its own size.
#include "picture/decode/region_decoding.h"

#include <optional>
#include <utility>

#include <QFile>

#include "picture/decode/bmp_region.h"
#include "picture/decode/jpeg_decoding.h"
#include "picture/decode/jpeg_region.h"
#include "picture/decode/picture_region.h"
#include "picture/loading/decode_budget.h"
#include "platform/failure.h"

namespace platform::qt {

DecodedFile decodeFileRegion(const std::string& path, QRect seen, const std::atomic<bool>* cancelled)
{
    std::optional<DecodedFile> decoded;
    {
        QFile file;
        const FileStamp stamp = openRegularFile(path, file);
        decoded =
            isJpeg(file) ? decodeJpegRegion(file, path, seen, cancelled) : decodeBmpRegion(file, path, seen, cancelled);
        if (decoded)
            decoded->stamp = stamp;
    }
    if (!decoded) {
        // Decoded whole and cut: the whole picture is held meanwhile, beside what the part reserved.
        const BudgetCharge whole = BudgetCharge::reserve(pixelBytes(readHeader(path).natural), path);
        decoded = decodeFile(path, {}, cancelled);
        decoded->image = decoded->image.copy(partWithin(decoded->natural, seen, path));
    }
    stopIfCancelled(cancelled, path);
    decoded->part = partWithin(decoded->natural, seen, path);
    return std::move(*decoded);
}

}  // namespace platform::qt
