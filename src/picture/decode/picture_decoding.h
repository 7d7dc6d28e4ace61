// Decoding picture files by content at the size they are drawn, and resampling them smoothly.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace platform::qt {

// One version of one file: a file replaced or rewritten since differs in at least one field.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp& other) const;
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// The stamp of the regular file at path, following links; throws Failure for anything else.
FileStamp stampOf(const std::string& path);

// The smallest size that covers the picture shrunk to fit into bound, keeping its proportions; the
// natural size itself when it fits or when bound is empty.
QSize coverSize(QSize natural, QSize bound);

struct DecodedFile {
    QImage image;   // at coverSize(natural, bound), in a format painted without conversion
    QSize natural;  // after the EXIF orientation
    FileStamp stamp;
    QByteArray displayProfile;  // the profile the colours were converted to; empty for sRGB
};

struct PictureHeader {
    QSize natural;  // after the EXIF orientation; invalid when the header does not tell
    std::int64_t fileBytes = 0;
};

// What the header of the regular file at path tells, read without decoding any pixels; throws
// Failure for anything but a regular file.
PictureHeader readHeader(const std::string& path);

// Decodes a regular file by content with its EXIF orientation applied and its colours converted to
// the display profile, covering the picture fitted into bound (an empty bound decodes the full
// picture); JPEG with libjpeg-turbo, reduced while decoding, anything else with Qt's readers.
// Throws Failure when the file cannot be read or decoded, when the limits refuse it, or when
// cancelled is set before it is done. A decode that is resampled afterwards goes into scratch when
// one is given, reusing its memory from one call to the next.
DecodedFile decodeFile(const std::string& path, QSize bound, const std::atomic<bool>* cancelled = nullptr,
                       QImage* scratch = nullptr);

// Throws Failure once cancelled is set, so that a decode stops between its steps.
void stopIfCancelled(const std::atomic<bool>* cancelled, const std::string& path);

// Throws Failure unless a picture decoded at decoded and drawn at drawn, both known from its header,
// keeps to the pixel limit and to the side a window can take.
void refuseBeyondLimits(QSize decoded, QSize drawn, const std::string& path);

// Whether bilinear filtering alone resamples from one size to the other smoothly: it reads two by
// two neighbours, enough down to half the size.
bool bilinearSuffices(QSize from, QSize to);

// The whole image resampled smoothly to size; a null image for an empty or runaway size.
QImage resampled(const QImage& image, QSize size);

}  // namespace platform::qt
