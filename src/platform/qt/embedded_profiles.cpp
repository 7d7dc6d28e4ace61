// Finding the colour profile a picture file carries: JPEG APP2, BMP version 5 and GIF ICC blocks.
#include "platform/qt/embedded_profiles.h"

#include <map>

#include <QColorSpace>
#include <QIODevice>
#include <QImage>
#include <QtEndian>

namespace platform::qt {

namespace {

// A JPEG holds at most 255 chunks of 65,519 bytes; anything longer claimed elsewhere is a lie.
constexpr qint64 kMaxProfileBytes = 16 * 1024 * 1024;

int nextByte(QIODevice& file)
{
    char c = 0;
    return file.getChar(&c) ? static_cast<unsigned char>(c) : -1;
}

bool skip(QIODevice& file, qint64 bytes)
{
    return file.seek(file.pos() + bytes) && file.pos() <= file.size();
}

// The profile is cut into numbered APP2 chunks, all before the first scan.
QByteArray jpegProfile(QIODevice& file)
{
    static const QByteArray kTag("ICC_PROFILE\0", 12);
    std::map<int, QByteArray> chunks;
    int count = 0;
    if (!skip(file, 2))
        return {};
    for (;;) {
        int marker = nextByte(file);
        if (marker != 0xff)
            return {};
        while (marker == 0xff)
            marker = nextByte(file);
        if (marker < 0 || marker == 0xd9 || marker == 0xda)
            break;
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7))
            continue;
        const QByteArray lengthBytes = file.read(2);
        if (lengthBytes.size() < 2)
            return {};
        const int length = qFromBigEndian<quint16>(lengthBytes.constData()) - 2;
        if (length < 0)
            return {};
        if (marker != 0xe2 || length < kTag.size() + 2) {
            if (!skip(file, length))
                return {};
            continue;
        }
        const QByteArray segment = file.read(length);
        if (segment.size() < length)
            return {};
        if (!segment.startsWith(kTag))
            continue;
        const int sequence = static_cast<unsigned char>(segment[12]);
        const int total = static_cast<unsigned char>(segment[13]);
        if (total == 0 || (count != 0 && total != count))
            return {};
        count = total;
        chunks[sequence] = segment.mid(14);
    }
    QByteArray profile;
    for (int sequence = 1; sequence <= count; ++sequence) {
        const auto chunk = chunks.find(sequence);
        if (chunk == chunks.end())
            return {};
        profile += chunk->second;
    }
    return chunks.size() == static_cast<std::size_t>(count) ? profile : QByteArray();
}

// A version 5 header names where the profile lies, counted from the header's start. A linked
// profile names a file on the machine the picture was made on, which means nothing here.
QByteArray bmpProfile(QIODevice& file)
{
    constexpr int kFileHeader = 14;
    constexpr int kVersion5Header = 124;
    constexpr quint32 kEmbedded = 0x4d424544;  // 'MBED'
    const QByteArray head = file.read(kFileHeader + kVersion5Header);
    if (head.size() < kFileHeader + kVersion5Header)
        return {};
    const auto field = [&](int at) { return qFromLittleEndian<quint32>(head.constData() + kFileHeader + at); };
    if (field(0) < kVersion5Header || field(56) != kEmbedded)
        return {};
    const qint64 at = kFileHeader + qint64{field(112)};
    const qint64 size = field(116);
    if (size == 0 || size > kMaxProfileBytes || at + size > file.size() || !file.seek(at))
        return {};
    const QByteArray profile = file.read(size);
    return profile.size() == size ? profile : QByteArray();
}

// An application extension named ICCRGBG1 012 before the first image, its data in sub-blocks.
QByteArray gifProfile(QIODevice& file)
{
    const QByteArray head = file.read(13);
    if (head.size() < 13)
        return {};
    const int flags = static_cast<unsigned char>(head[10]);
    if ((flags & 0x80) && !skip(file, 3 << ((flags & 7) + 1)))
        return {};
    while (nextByte(file) == 0x21) {
        const int label = nextByte(file);
        bool named = false;
        bool profileBlock = false;
        QByteArray data;
        for (int size = nextByte(file); size > 0; size = nextByte(file)) {
            const QByteArray block = file.read(size);
            if (block.size() < size)
                return {};
            if (!named)
                profileBlock = label == 0xff && block == "ICCRGBG1012";
            else if (profileBlock)
                data += block;
            named = true;
            if (data.size() > kMaxProfileBytes)
                return {};
        }
        if (profileBlock)
            return data;
    }
    return {};
}

}  // namespace

QByteArray embeddedProfile(QIODevice& file, const QImage& decoded)
{
    QByteArray profile;
    if (file.seek(0)) {
        const QByteArray signature = file.peek(6);
        if (signature.startsWith("\xff\xd8"))
            profile = jpegProfile(file);
        else if (signature.startsWith("BM"))
            profile = bmpProfile(file);
        else if (signature == "GIF87a" || signature == "GIF89a")
            profile = gifProfile(file);
    }
    return profile.isEmpty() ? decoded.colorSpace().iccProfile() : profile;
}

}  // namespace platform::qt
