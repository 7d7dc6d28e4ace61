// Decoding only a part of a picture: the part of it that will be on the screen.
#pragma once

#include <atomic>
#include <string>

#include <QImage>
#include <QRect>

#include "picture/decode/picture_decoding.h"

namespace platform::qt {

// decodeFile for the part of the picture seen, in its oriented pixels, at its own size.
DecodedFile decodeFileRegion(const std::string& path, QRect seen, const std::atomic<bool>* cancelled = nullptr,
                             QImage* scratch = nullptr);

}  // namespace platform::qt
