// libjpeg's decompressor driven safely from C++: its errors, its reading, and the stops it obeys.
#include "picture/decode/jpeg_session.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include <QRgb>

#include "platform/failure.h"

namespace platform::qt {

namespace {

constexpr int kRowsPerRead = 16;

JpegSession& sessionOf(j_common_ptr info)
{
    return *static_cast<JpegSession*>(info->client_data);
}

JpegSession& sessionOf(j_decompress_ptr info)
{
    return *static_cast<JpegSession*>(info->client_data);
}

[[noreturn]] void giveUp(JpegSession& session, const char* reason)
{
    std::snprintf(session.reason, sizeof session.reason, "%s", reason);
    std::longjmp(session.jump, 1);
}

[[noreturn]] void onError(j_common_ptr info)
{
    JpegSession& session = sessionOf(info);
    (*info->err->format_message)(info, session.reason);
    std::longjmp(session.jump, 1);
}

// Warnings are what a damaged file gives (data cut short, stray bytes): it is shown as far as it goes.
void onMessage(j_common_ptr) {}

// Called for each row of blocks or batch of rows, also while a progressive file's scans are read.
void onProgress(j_common_ptr info)
{
    JpegSession& session = sessionOf(info);
    if (session.cancelled && session.cancelled->load(std::memory_order_relaxed))
        giveUp(session, "cancelled");
    if (session.info.input_scan_number > session.maxScans)
        giveUp(session, "too many scans");
    if (std::chrono::steady_clock::now() > session.deadline)
        giveUp(session, "over its time budget");
}

void onSourceStart(j_decompress_ptr) {}

// The end of the file, or a read that fails, gives an end of image, as libjpeg's own sources do:
// a file cut short decodes as far as it goes.
boolean onSourceEmpty(j_decompress_ptr info)
{
    JpegSession& session = sessionOf(info);
    const qint64 read = session.device->read(reinterpret_cast<char*>(session.chunk), sizeof session.chunk);
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

// The steps themselves, each false when libjpeg gave up, with the reason in the session.

bool readHeader(JpegSession& session)
{
    if (setjmp(session.jump))
        return false;
    jpeg_create_decompress(&session.info);
    session.info.src = &session.source;
    session.info.progress = &session.progress;
    session.info.mem->max_memory_to_use = session.workingBytes;
    jpeg_save_markers(&session.info, JPEG_APP0 + 1, 0xffff);
    jpeg_save_markers(&session.info, JPEG_APP0 + 2, 0xffff);
    jpeg_read_header(&session.info, TRUE);
    return true;
}

bool readProfile(JpegSession& session, JOCTET** profile, unsigned int* length)
{
    if (setjmp(session.jump))
        return false;
    if (!jpeg_read_icc_profile(&session.info, profile, length))
        *profile = nullptr;
    return true;
}

bool prepareOutput(JpegSession& session, int eighths, J_COLOR_SPACE space)
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

bool readRows(JpegSession& session, unsigned char* bits, std::ptrdiff_t bytesPerLine, const RowsRead& rowsRead)
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
        for (JDIMENSION i = 0; i < read && info.out_color_space == JCS_CMYK; ++i)
            cmykToRgb(rows[i], info.output_width);
        rowsRead(static_cast<int>(info.output_scanline));
    }
    return true;
}

[[noreturn]] void fail(const JpegSession& session, const std::string& path)
{
    throw Failure("cannot decode " + path + ": " + session.reason);
}

}  // namespace

void JpegSessionEnd::operator()(JpegSession* session) const
{
    jpeg_destroy_decompress(&session->info);
    delete session;
}

JpegSessionPtr newJpegSession(QIODevice& device)
{
    JpegSessionPtr session(new JpegSession());
    JpegSession& s = *session;
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
    s.maxScans = std::numeric_limits<int>::max();
    s.deadline = std::chrono::steady_clock::time_point::max();
    return session;
}

void readJpegHeader(JpegSession& session, const std::string& path)
{
    if (!readHeader(session))
        fail(session, path);
}

QByteArray readJpegProfile(JpegSession& session)
{
    JOCTET* profile = nullptr;
    unsigned int length = 0;
    if (!readProfile(session, &profile, &length) || !profile)
        return {};
    QByteArray bytes(reinterpret_cast<const char*>(profile), static_cast<qsizetype>(length));
    std::free(profile);
    return bytes;
}

void prepareJpegOutput(JpegSession& session, int eighths, J_COLOR_SPACE space, const std::string& path)
{
    if (!prepareOutput(session, eighths, space))
        fail(session, path);
}

void readJpegRows(JpegSession& session, unsigned char* bits, std::ptrdiff_t bytesPerLine, const std::string& path,
                  const RowsRead& rowsRead)
{
    if (!readRows(session, bits, bytesPerLine, rowsRead))
        fail(session, path);
}

}  // namespace platform::qt
