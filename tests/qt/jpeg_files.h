// JPEG files of every coding the decoder meets, written with libjpeg itself, and some by hand.
#pragma once

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include <QByteArray>
#include <QImage>

#include "hostile_files.h"

namespace jpeg_files {

struct Coding {
    J_COLOR_SPACE space = JCS_YCbCr;  // also JCS_GRAYSCALE, JCS_RGB, JCS_CMYK, JCS_YCCK
    bool progressive = false;
    bool arithmetic = false;
    int restartRows = 0;
    QByteArray profile = {};  // written as APP2 segments when not empty
    bool fullChroma = false;  // colours at every pixel rather than one for each 2 x 2
};

// CMYK is written as Adobe's inverted inks with no black (red, green and blue, then 255), which read
// back as the same colours.
inline QByteArray encoded(const QImage& picture, Coding coding, int quality = 90)
{
    const bool grey = coding.space == JCS_GRAYSCALE, inks = coding.space == JCS_CMYK || coding.space == JCS_YCCK;
    const QImage pixels = picture.convertToFormat(grey ? QImage::Format_Grayscale8
                                                       : inks ? QImage::Format_RGBX8888 : QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &bytes, &size);
    info.image_width = static_cast<JDIMENSION>(pixels.width());
    info.image_height = static_cast<JDIMENSION>(pixels.height());
    info.input_components = grey ? 1 : inks ? 4 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : inks ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, coding.space);
    if (coding.fullChroma)
        info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    jpeg_set_quality(&info, quality, TRUE);
    if (coding.progressive)
        jpeg_simple_progression(&info);
    info.arith_code = coding.arithmetic ? TRUE : FALSE;
    info.restart_in_rows = coding.restartRows;
    jpeg_start_compress(&info, TRUE);
    if (!coding.profile.isEmpty())
        jpeg_write_icc_profile(&info, reinterpret_cast<const JOCTET*>(coding.profile.constData()),
                               static_cast<unsigned int>(coding.profile.size()));
    for (JSAMPROW row = nullptr; info.next_scanline < info.image_height; jpeg_write_scanlines(&info, &row, 1))
        row = const_cast<JSAMPROW>(pixels.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray file(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    std::free(bytes);
    return file;
}

// An EXIF segment giving the orientation (1 to 8), in either byte order, to go right after the
// file's first two bytes.
inline QByteArray exif(int orientation, bool littleEndian = false)
{
    QByteArray tiff = littleEndian ? QByteArray("II\x2a\0\x08\0\0\0" "\x01\0" "\x12\x01\x03\0\x01\0\0\0" "\0\0", 20)
                                   : QByteArray("MM\0\x2a\0\0\0\x08" "\0\x01" "\x01\x12\0\x03\0\0\0\x01" "\0\0", 20);
    tiff[littleEndian ? 18 : 19] = static_cast<char>(orientation);
    return QByteArray("\xff\xe1\x00\x22" "Exif\0\0", 10) + tiff + QByteArray(6, '\0');
}

// The file with its last scan repeated: a progressive file's last scan refines what the ones
// before left, so libjpeg goes through every repetition again.
inline QByteArray lastScanRepeated(const QByteArray& file, int times)
{
    const qsizetype scan = file.lastIndexOf("\xff\xda");
    const QByteArray last = file.mid(scan, file.size() - 2 - scan);
    return file.left(file.size() - 2) + last.repeated(times) + file.right(2);
}

// A mid-grey JPEG of any size in few bytes: one grey component whose Huffman tables have a single
// one-bit code each, so that each 8 x 8 block takes two zero bits (DC unchanged, end of block).
inline QByteArray flatGrey(int width, int height)
{
    QByteArray file = QByteArray("\xff\xd8" "\xff\xdb\x00\x43\x00", 7) + QByteArray(64, '\x01') +
                      QByteArray("\xff\xc0\x00\x0b\x08\0\0\0\0\x01\x01\x11\x00", 13);
    const QByteArray oneCode = QByteArray(1, '\x01') + QByteArray(15, '\0') + QByteArray(1, '\0');
    file += QByteArray("\xff\xc4\x00\x26\x00", 5) + oneCode + QByteArray(1, '\x10') + oneCode;
    file += QByteArray("\xff\xda\x00\x08\x01\x01\x00\x00\x3f\x00", 10);
    const long long bits = 2LL * ((width + 7) / 8) * ((height + 7) / 8);
    file += QByteArray(static_cast<qsizetype>(bits / 8), '\0');
    if (bits % 8)
        file += QByteArray(1, static_cast<char>((1 << (8 - bits % 8)) - 1));
    return hostile::claiming(file + QByteArray("\xff\xd9", 2), width, height);
}

}  // namespace jpeg_files
