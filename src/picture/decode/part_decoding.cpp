#include "picture/decode/part_decoding.h"

#include "platform/failure.h"

namespace platform::qt {

DecodedFile decodeFileRegion(const std::string& path, QRect seen, const std::atomic<bool>* cancelled, QImage* scratch)
{
    DecodedFile decoded = decodeFile(path, {}, cancelled, scratch);
    const QRect part = seen.intersected(QRect(QPoint(), decoded.natural));
    decoded.image = decoded.image.copy(part);
    decoded.part = part;
    return decoded;
}

}  // namespace platform::qt
