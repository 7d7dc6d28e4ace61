// The floor: each file decoded and nothing more, by libjpeg-turbo alone for a JPEG, by Qt's reader
// otherwise; and the program's own decode of the same JPEG files, whole and fitted, beside it.
#include <cstdio>

#include <jpeglib.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QStringList>

#include <algorithm>
#include <vector>

#include "measure.h"
#include "picture/decode/jpeg_decoding.h"
#include "picture/decode/picture_decoding.h"
#include "runs.h"

namespace bench {

namespace {

constexpr int kRounds = 3;
const QSize kScreen(1920, 1080);

// The file's bytes already in memory, decoded at eighths / 8 of its size into a buffer kept from one
// call to the next, in the byte order the program paints. Returns the picture's stored size.
QSize libjpegDecode(const QByteArray& file, int eighths, std::vector<unsigned char>& buffer)
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(file.constData()),
                 static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    info.scale_num = static_cast<unsigned int>(eighths);
    info.scale_denom = 8;
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    const std::size_t stride = std::size_t{info.output_width} * 4;
    buffer.resize(std::max(buffer.size(), stride * info.output_height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[16];
        const JDIMENSION count = std::min<JDIMENSION>(16, info.output_height - info.output_scanline);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = buffer.data() + (info.output_scanline + i) * stride;
        jpeg_read_scanlines(&info, rows, count);
    }
    const QSize stored(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return stored;
}

struct JpegTimes {
    std::vector<double> floor, whole, fittedFloor, fitted, qtReader;
};

// Each step of one file, timed; false when the program's decode fails.
bool measureJpeg(const QString& path, JpegTimes& times, std::vector<unsigned char>& buffer, QImage& scratch)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();

    Clock::time_point start = Clock::now();
    const QSize stored = libjpegDecode(bytes, 8, buffer);
    times.floor.push_back(millisecondsSince(start));

    const int eighths = platform::qt::jpegEighthsFor(stored, platform::qt::coverSize(stored, kScreen));
    start = Clock::now();
    libjpegDecode(bytes, eighths, buffer);
    times.fittedFloor.push_back(millisecondsSince(start));

    start = Clock::now();
    const bool whole = !platform::qt::decodeFile(path.toStdString(), QSize()).image.isNull();
    times.whole.push_back(millisecondsSince(start));

    start = Clock::now();
    const bool fitted = !platform::qt::decodeFile(path.toStdString(), kScreen, nullptr, &scratch).image.isNull();
    times.fitted.push_back(millisecondsSince(start));

    start = Clock::now();
    const bool read = !QImageReader(path).read().isNull();
    times.qtReader.push_back(millisecondsSince(start));
    return whole && fitted && read;
}

}  // namespace

int runDecodeFloor(const QStringList& files)
{
    const bool jpeg = !files.isEmpty() && QImageReader::imageFormat(files.first()) == "jpeg";
    std::vector<double> times;
    JpegTimes jpegTimes;
    std::vector<unsigned char> buffer;
    QImage scratch;
    for (int round = 0; round < kRounds; ++round) {
        for (const QString& file : files) {
            if (jpeg) {
                if (!measureJpeg(file, jpegTimes, buffer, scratch))
                    return 1;
                continue;
            }
            const Clock::time_point start = Clock::now();
            const QImage image = QImageReader(file).read();
            times.push_back(millisecondsSince(start));
            if (image.isNull())
                return 1;
        }
    }
    if (jpeg) {
        printFigure("decode_median_ms", spreadOf(jpegTimes.floor).median);
        printFigure("decode_whole_median_ms", spreadOf(jpegTimes.whole).median);
        printFigure("decode_fitted_floor_median_ms", spreadOf(jpegTimes.fittedFloor).median);
        printFigure("decode_fitted_median_ms", spreadOf(jpegTimes.fitted).median);
        printFigure("decode_qt_reader_median_ms", spreadOf(jpegTimes.qtReader).median);
    } else {
        const Spread decode = spreadOf(times);
        printFigure("decode_median_ms", decode.median);
        printFigure("decode_p95_ms", decode.p95);
    }
    printFigure("peak_rss_mb", statusMegabytes("VmHWM"));
    return 0;
}

}  // namespace bench
