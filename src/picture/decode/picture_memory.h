// Memory for large decoded pictures: mapped in huge pages, so that filling it costs few page faults.
#pragma once

#include <QImage>
#include <QSize>

namespace platform::qt {

// An uninitialised QImage::Format_RGB32 image of size; a null image when there is no memory for it.
// A large one is mapped by itself in huge pages where the kernel gives them: filling fresh memory
// of 4 kB pages costs a fault for each, as much as a third of decoding into it.
QImage uninitialisedImage(QSize size);

}  // namespace platform::qt
