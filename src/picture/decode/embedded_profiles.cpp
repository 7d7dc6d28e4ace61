// Finding the colour profile a picture file that Qt decodes carries: BMP version 5 and GIF ICC blocks.
#include "picture/decode/embedded_profiles.h"

#include <QColorSpace>
#include <QIODevice>
#include <QImage>
#include <QtEndian>

namespace platform::qt {

namespace {

// Longer than a JPEG can carry (255 chunks of 65,519 bytes): no profile is, whatever a header claims.
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
        if (signature.startsWith("BM"))
            profile = bmpProfile(file);
        else if (signature == "GIF87a" || signature == "GIF89a")
            profile = gifProfile(file);
    }
    return profile.isEmpty() ? decoded.colorSpace().iccProfile() : profile;
}

}  // namespace platform::qt
