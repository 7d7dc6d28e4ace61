// The floor: each file decoded and nothing more, by libjpeg-turbo alone for a JPEG, by Qt's reader
// otherwise; and the program's own decode of the same JPEG files, whole, fitted and the part an
// own-size show sees, beside it.
#include <cstdio>

#include <jpeglib.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "measure.h"
#include "picture/decode/jpeg_decoding.h"
#include "picture/decode/picture_decoding.h"
#include "picture/decode/picture_limits.h"
#include "picture/decode/region_decoding.h"
#include "runs.h"

namespace bench {

namespace {

constexpr int kRounds = 3;
const QSize kScreen(1920, 1080);

// libjpeg-turbo over the file's bytes already in memory, started at eighths / 8 of its size, in the
// byte order the program paints.
class Decompressor {
public:
    Decompressor(const QByteArray& file, int eighths)
    {
        info.err = jpeg_std_error(&error_);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(file.constData()),
                     static_cast<unsigned long>(file.size()));
        jpeg_read_header(&info, TRUE);
        info.scale_num = static_cast<unsigned int>(eighths);
        info.scale_denom = 8;
        info.out_color_space = JCS_EXT_BGRA;
        jpeg_start_decompress(&info);
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    // The next count rows into buffer, kept from one call to the next.
    void readRows(JDIMENSION count, std::vector<unsigned char>& buffer)
    {
        const std::size_t stride = std::size_t{info.output_width} * 4;
        buffer.resize(std::max(buffer.size(), stride * count));
        for (JDIMENSION done = 0; done < count;) {
            JSAMPROW rows[16];
            const JDIMENSION band = std::min<JDIMENSION>(16, count - done);
            for (JDIMENSION i = 0; i < band; ++i)
                rows[i] = buffer.data() + (done + i) * stride;
            done += jpeg_read_scanlines(&info, rows, band);
        }
    }

    jpeg_decompress_struct info{};

private:
    jpeg_error_mgr error_{};
};

// The file decoded at eighths / 8 of its size; returns the picture's stored size.
QSize libjpegDecode(const QByteArray& file, int eighths, std::vector<unsigned char>& buffer)
{
    Decompressor decoder(file, eighths);
    decoder.readRows(decoder.info.output_height, buffer);
    jpeg_finish_decompress(&decoder.info);
    return {static_cast<int>(decoder.info.image_width), static_cast<int>(decoder.info.image_height)};
}

// Only the part decoded: the rows above it skipped, the columns beside it cropped to whole blocks.
void libjpegDecodePart(const QByteArray& file, QRect part, std::vector<unsigned char>& buffer)
{
    Decompressor decoder(file, 8);
    auto left = static_cast<JDIMENSION>(part.x());
    auto width = static_cast<JDIMENSION>(part.width());
    jpeg_crop_scanline(&decoder.info, &left, &width);
    jpeg_skip_scanlines(&decoder.info, static_cast<JDIMENSION>(part.y()));
    decoder.readRows(static_cast<JDIMENSION>(part.height()), buffer);
}

// The screen's worth of the picture around its centre, as an own-size show sees it.
QRect centredPart(QSize picture)
{
    const QRect whole(QPoint(0, 0), picture);
    QRect part(QPoint(0, 0), kScreen);
    part.moveCenter(whole.center());
    return part.intersected(whole);
}

// Whether the program decodes the picture whole, and Qt's reader with it.
bool decodedWhole(QSize picture)
{
    return std::int64_t{picture.width()} * picture.height() <= platform::qt::kMaxPicturePixels &&
           std::max(picture.width(), picture.height()) <= platform::qt::kMaxWindowSide;
}

struct JpegTimes {
    std::vector<double> floor, whole, fittedFloor, fitted, qtReader, partFloor, part;
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

    const QRect seen = centredPart(stored);
    start = Clock::now();
    libjpegDecodePart(bytes, seen, buffer);
    times.partFloor.push_back(millisecondsSince(start));

    start = Clock::now();
    const bool part = !platform::qt::decodeFileRegion(path.toStdString(), seen).image.isNull();
    times.part.push_back(millisecondsSince(start));

    start = Clock::now();
    const bool fitted = !platform::qt::decodeFile(path.toStdString(), kScreen, nullptr, &scratch).image.isNull();
    times.fitted.push_back(millisecondsSince(start));
    if (!decodedWhole(stored))
        return part && fitted;

    start = Clock::now();
    const bool whole = !platform::qt::decodeFile(path.toStdString(), QSize()).image.isNull();
    times.whole.push_back(millisecondsSince(start));

    start = Clock::now();
    const bool read = !QImageReader(path).read().isNull();
    times.qtReader.push_back(millisecondsSince(start));
    return part && fitted && whole && read;
}

}  // namespace

int runDecodeFloor(const QStringList& files)
{
    // Qt's reader is timed as a peer, not as a guard: its own limit of 256 MB would refuse pictures it
    // reads well, a 61-megapixel JPEG among them.
    QImageReader::setAllocationLimit(0);
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
        printFigure("decode_fitted_floor_median_ms", spreadOf(jpegTimes.fittedFloor).median);
        printFigure("decode_fitted_median_ms", spreadOf(jpegTimes.fitted).median);
        printFigure("decode_part_floor_median_ms", spreadOf(jpegTimes.partFloor).median);
        printFigure("decode_part_median_ms", spreadOf(jpegTimes.part).median);
        if (!jpegTimes.whole.empty()) {
            printFigure("decode_whole_median_ms", spreadOf(jpegTimes.whole).median);
            printFigure("decode_qt_reader_median_ms", spreadOf(jpegTimes.qtReader).median);
        }
    } else {
        const Spread decode = spreadOf(times);
        printFigure("decode_median_ms", decode.median);
        printFigure("decode_p95_ms", decode.p95);
    }
    printFigure("peak_rss_mb", statusMegabytes("VmHWM"));
    return 0;
}

}  // namespace bench
