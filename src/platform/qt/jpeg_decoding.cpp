// Decoding JPEG files with libjpeg-turbo, reduced while decoding and straight into the painted format.
#include "platform/qt/jpeg_decoding.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

#include <jpeglib.h>

#include <QByteArray>

#include "platform/failure.h"
#include "platform/qt/exif_orientation.h"

namespace platform::qt {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kChunkBytes = 64 * 1024;
constexpr int kRowsPerRead = 16;
constexpr long kWorkingMemoryBytes = long{kPictureMemoryLimitMb} * 1024 * 1024;
// A decode only passed on to a smaller size reuses the scratch up to this size; a larger one is
// rare enough to be freed at once rather than held.
constexpr qsizetype kScratchLimitBytes = qsizetype{64} * 1024 * 1024;
// Every 8 x 8 block of a complete JPEG takes at least a bit; a file with less than a byte for
// each 128 x 128 pixels its header claims is a lie, not a picture cut short.
constexpr std::int64_t kPixelsPerByteAtMost = 128 * 128;
// QImage::Format_RGB32's 0xffRRGGBB words, byte by byte in memory.
constexpr J_COLOR_SPACE kPaintedSpace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// All that libjpeg reaches through its callbacks. An error jumps out of libjpeg's frames and of
// ours that called it, so these hold nothing with a destructor.
struct Session {
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    jpeg_progress_mgr progress;
    jpeg_source_mgr source;
    std::jmp_buf jump;
    char reason[JMSG_LENGTH_MAX];
    QIODevice* device;
    const std::atomic<bool>* cancelled;
    Clock::time_point deadline;
    JOCTET chunk[kChunkBytes];
};

struct SessionEnd {
    void operator()(Session* session) const
    {
        jpeg_destroy_decompress(&session->info);
        delete session;
    }
};

Session& sessionOf(j_common_ptr info)
{
    return *static_cast<Session*>(info->client_data);
}

Session& sessionOf(j_decompress_ptr info)
{
    return *static_cast<Session*>(info->client_data);
}

[[noreturn]] void giveUp(Session& session, const char* reason)
{
    std::snprintf(session.reason, sizeof session.reason, "%s", reason);
    std::longjmp(session.jump, 1);
}

[[noreturn]] void onError(j_common_ptr info)
{
    Session& session = sessionOf(info);
    (*info->err->format_message)(info, session.reason);
    std::longjmp(session.jump, 1);
}

// Warnings are what a damaged file gives (data cut short, stray bytes): it is shown as far as it goes.
void onMessage(j_common_ptr) {}

// Called once per row of blocks or rows of pixels, also while a progressive file's scans are read.
void onProgress(j_common_ptr info)
{
    Session& session = sessionOf(info);
    if (session.cancelled && session.cancelled->load(std::memory_order_relaxed))
        giveUp(session, "cancelled");
    if (session.info.input_scan_number > kMaxJpegScans)
        giveUp(session, "too many scans");
    if (Clock::now() > session.deadline)
        giveUp(session, "over its time budget");
}

void onSourceStart(j_decompress_ptr) {}

// The end of the file, or a read that fails, gives an end of image, as libjpeg's own sources do:
// a file cut short decodes as far as it goes.
boolean onSourceEmpty(j_decompress_ptr info)
{
    Session& session = sessionOf(info);
    const qint64 read = session.device->read(reinterpret_cast<char*>(session.chunk), kChunkBytes);
    session.source.next_input_byte = session.chunk;
    if (read > 0) {
        session.source.bytes_in_buffer = static_cast<std::size_t>(read);
    } else {
        session.chunk[0] = 0xff;
        session.chunk[1] = JPEG_EOI;
        session.source.bytes_in_buffer = 2;
    }
    return TRUE;
}

void onSourceSkip(j_decompress_ptr info, long count)
{
    jpeg_source_mgr& source = sessionOf(info).source;
    if (count <= 0)
        return;
    if (static_cast<unsigned long>(count) <= source.bytes_in_buffer) {
        source.next_input_byte += count;
        source.bytes_in_buffer -= static_cast<std::size_t>(count);
        return;
    }
    sessionOf(info).device->skip(count - static_cast<long>(source.bytes_in_buffer));
    source.bytes_in_buffer = 0;
}

void onSourceEnd(j_decompress_ptr) {}

// The steps that call libjpeg, each false when it gave up, with the reason in the session.
bool readHeader(Session& session)
{
    if (setjmp(session.jump))
        return false;
    jpeg_create_decompress(&session.info);
    session.info.src = &session.source;
    session.info.progress = &session.progress;
    session.info.mem->max_memory_to_use = kWorkingMemoryBytes;
    jpeg_save_markers(&session.info, JPEG_APP0 + 1, 0xffff);
    jpeg_save_markers(&session.info, JPEG_APP0 + 2, 0xffff);
    jpeg_read_header(&session.info, TRUE);
    return true;
}

bool readProfile(Session& session, JOCTET** profile, unsigned int* length)
{
    if (setjmp(session.jump))
        return false;
    if (!jpeg_read_icc_profile(&session.info, profile, length))
        *profile = nullptr;
    return true;
}

bool prepareOutput(Session& session, int eighths, J_COLOR_SPACE space)
{
    if (setjmp(session.jump))
        return false;
    session.info.scale_num = static_cast<unsigned int>(eighths);
    session.info.scale_denom = 8;
    session.info.out_color_space = space;
    jpeg_calc_output_dimensions(&session.info);
    return true;
}

// Adobe's CMYK, as Photoshop writes it, is stored inverted: each ink times the black is the light.
void cmykToRgb(unsigned char* row, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; ++x, row += 4) {
        const int k = row[3];
        *reinterpret_cast<QRgb*>(row) = qRgb(k * row[0] / 255, k * row[1] / 255, k * row[2] / 255);
    }
}

bool readRows(Session& session, unsigned char* bits, qsizetype bytesPerLine)
{
    if (setjmp(session.jump))
        return false;
    jpeg_start_decompress(&session.info);
    jpeg_decompress_struct& info = session.info;
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[kRowsPerRead];
        const JDIMENSION first = info.output_scanline;
        const JDIMENSION wanted = std::min<JDIMENSION>(kRowsPerRead, info.output_height - first);
        for (JDIMENSION i = 0; i < wanted; ++i)
            rows[i] = bits + (first + i) * bytesPerLine;
        const JDIMENSION read = jpeg_read_scanlines(&info, rows, wanted);
        if (read == 0)
            giveUp(session, "no rows");
        if (info.out_color_space == JCS_CMYK) {
            for (JDIMENSION i = 0; i < read; ++i)
                cmykToRgb(rows[i], info.output_width);
        }
    }
    return true;
}

Failure failure(const std::string& path, const Session& session)
{
    return Failure("cannot decode " + path + ": " + session.reason);
}

std::int64_t scaledSide(int side, int eighths)
{
    return (std::int64_t{side} * eighths + 7) / 8;
}

// A progressive file, or one whose colours come in separate scans, holds all its coefficients at
// once: two bytes each for every pixel of each component.
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
    if (bytes > kWorkingMemoryBytes)
        throw Failure("picture too large: " + path);
}

int orientationOf(const jpeg_decompress_struct& info)
{
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        if (marker->marker == JPEG_APP0 + 1 && marker->data_length > 6 && marker->data[0] == 'E')
            return exifOrientation(marker->data, marker->data_length);
    }
    return 1;
}

// The buffer decoded into: the scratch's memory when given and not too large.
QImage canvas(QSize size, QImage* scratch)
{
    const qsizetype bytes = qsizetype{size.width()} * 4 * size.height();
    if (!scratch || bytes > kScratchLimitBytes)
        return QImage(size, QImage::Format_RGB32);
    if (scratch->sizeInBytes() < bytes) {
        *scratch = QImage();
        *scratch = QImage(size, QImage::Format_RGB32);
        if (scratch->isNull())
            return {};
    }
    return QImage(scratch->bits(), size.width(), size.height(), size.width() * 4, QImage::Format_RGB32);
}

}  // namespace

std::chrono::milliseconds budgetFor(std::int64_t pixels)
{
    // A full decode takes 4 to 15 ns a pixel here, progressive ones the most: ample for a busy
    // machine, and never less than two seconds.
    return std::chrono::milliseconds(2000 + pixels / 20000);
}

bool isJpeg(QIODevice& device)
{
    return device.peek(2) == QByteArray("\xff\xd8", 2);
}

int jpegEighthsFor(QSize stored, QSize target)
{
    if (target.width() >= stored.width() && target.height() >= stored.height())
        return 8;
    for (int eighths = 1; eighths < 8; ++eighths) {
        if (scaledSide(stored.width(), eighths) >= target.width() &&
            scaledSide(stored.height(), eighths) >= target.height())
            return eighths;
    }
    return 8;
}

DecodedFile decodeJpeg(QIODevice& device, const std::string& path, QSize bound, const std::atomic<bool>* cancelled,
                       QImage* scratch)
{
    const Clock::time_point start = Clock::now();
    const std::unique_ptr<Session, SessionEnd> session(new Session());
    Session& s = *session;
    s.info.err = jpeg_std_error(&s.error);
    s.error.error_exit = onError;
    s.error.output_message = onMessage;
    s.info.client_data = &s;
    s.progress.progress_monitor = onProgress;
    s.source.init_source = onSourceStart;
    s.source.fill_input_buffer = onSourceEmpty;
    s.source.skip_input_data = onSourceSkip;
    s.source.resync_to_restart = jpeg_resync_to_restart;
    s.source.term_source = onSourceEnd;
    s.device = &device;
    s.cancelled = cancelled;
    s.deadline = start + budgetFor(0);
    if (!readHeader(s))
        throw failure(path, s);

    // All that decides whether the picture is decoded, and at what size, is known from the header.
    const QSize stored(static_cast<int>(s.info.image_width), static_cast<int>(s.info.image_height));
    const std::int64_t pixels = std::int64_t{stored.width()} * stored.height();
    if (pixels / kPixelsPerByteAtMost > device.size())
        throw Failure("corrupt picture: " + path);
    s.deadline = start + budgetFor(pixels);
    const int orientation = orientationOf(s.info);
    DecodedFile decoded;
    decoded.natural = turnsQuarter(orientation) ? stored.transposed() : stored;
    const QSize target = coverSize(decoded.natural, bound);
    const QSize storedTarget = turnsQuarter(orientation) ? target.transposed() : target;
    const bool cmyk = s.info.jpeg_color_space == JCS_CMYK || s.info.jpeg_color_space == JCS_YCCK;
    if (!prepareOutput(s, jpegEighthsFor(stored, storedTarget), cmyk ? JCS_CMYK : kPaintedSpace))
        throw failure(path, s);
    const QSize size(static_cast<int>(s.info.output_width), static_cast<int>(s.info.output_height));
    refuseBeyondLimits(size, target, path);
    refuseCoefficientMemory(s.info, path);

    JOCTET* profile = nullptr;
    unsigned int profileLength = 0;
    if (readProfile(s, &profile, &profileLength) && profile) {
        decoded.iccProfile = QByteArray(reinterpret_cast<const char*>(profile), static_cast<qsizetype>(profileLength));
        std::free(profile);
    }

    // A decode passed on to a smaller size goes into the scratch: a fresh buffer this large costs a
    // page fault per 4 kB, a good part of the decoding itself.
    QImage image = canvas(size, size != storedTarget ? scratch : nullptr);
    if (image.isNull())
        throw Failure("out of memory for " + path);
    if (!readRows(s, image.bits(), image.bytesPerLine()))
        throw failure(path, s);
    decoded.image = oriented(resampled(image, storedTarget), orientation);
    if (decoded.image.isNull())
        throw Failure("out of memory for " + path);
    return decoded;
}

}  // namespace platform::qt
