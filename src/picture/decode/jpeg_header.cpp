// What a JPEG's header tells about decoding it: its orientation, its output format and what it costs.
#include "picture/decode/jpeg_header.h"

#include "picture/decode/exif_orientation.h"
#include "picture/decode/picture_limits.h"
#include "platform/failure.h"

namespace platform::qt {

int orientationOf(const jpeg_decompress_struct& info)
{
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        if (marker->marker == JPEG_APP0 + 1 && marker->data_length > 6 && marker->data[0] == 'E')
            return exifOrientation(marker->data, marker->data_length);
    }
    return 1;
}

// Such a file holds all its coefficients at once: two bytes each for every pixel of each component.
void refuseCoefficientMemory(const jpeg_decompress_struct& info, const std::string& path)
{
    if (!info.progressive_mode && info.comps_in_scan >= info.num_components)
        return;
    std::int64_t bytes = 0;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info& component = info.comp_info[c];
        bytes += std::int64_t{component.width_in_blocks + component.h_samp_factor} *
                 (component.height_in_blocks + component.v_samp_factor) * DCTSIZE2 * 2;
    }
    if (bytes > kPictureMemoryLimitBytes)
        throw Failure("picture too large: " + path);
}

void refuseUncodablePixels(const jpeg_decompress_struct& info, std::int64_t fileBytes, const std::string& path)
{
    const std::int64_t pixels = std::int64_t{info.image_width} * info.image_height;
    // Huffman coding spends at least a bit on each block's first coefficient: 512 pixels a byte.
    const std::int64_t pixelsPerByte = info.arith_code ? kMaxPixelsPerByte : 512;
    if (pixels / pixelsPerByte > fileBytes)
        throw Failure("corrupt picture: " + path);
}

}  // namespace platform::qt
