// One conversion of 8-bit colours between two profiles, row by row.
#include "picture/colour/colour_transform.h"

#include <lcms2.h>

#include <cstdint>
#include <cstring>
#include <utility>

#include "picture/colour/matrix_shaper.h"

namespace platform::qt {

ColourTransform ColourTransform::byShaper(std::shared_ptr<const MatrixShaper> shaper)
{
    ColourTransform transform;
    transform.shaper_ = std::move(shaper);
    return transform;
}

ColourTransform ColourTransform::byLittleCms(bool grey, std::shared_ptr<void> handle)
{
    ColourTransform transform;
    transform.grey_ = grey;
    transform.handle_ = std::move(handle);
    return transform;
}

bool ColourTransform::converts() const
{
    return handle_ || (shaper_ && !shaper_->changesNothing());
}

void ColourTransform::convertRows(const uchar* in, qsizetype inLine, uchar* out, qsizetype outLine, int width,
                                  int rows) const
{
    if (handle_) {
        cmsDoTransformLineStride(handle_.get(), in, out, static_cast<cmsUInt32Number>(width),
                                 static_cast<cmsUInt32Number>(rows), static_cast<cmsUInt32Number>(inLine),
                                 static_cast<cmsUInt32Number>(outLine), 0, 0);
        return;
    }
    for (int y = 0; shaper_ && y < rows; ++y) {
        auto* words = reinterpret_cast<std::uint32_t*>(out + y * outLine);
        if (in != out)
            std::memcpy(words, in + y * inLine, static_cast<std::size_t>(width) * 4);
        shaper_->convert(words, static_cast<std::size_t>(width));
    }
}

}  // namespace platform::qt
