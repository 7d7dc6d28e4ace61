// Converting decoded pictures from the colours of their embedded profile to those of the screen.
#include "platform/qt/colour_profiles.h"

#include <lcms2.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include <QColorSpace>
#include <QCryptographicHash>
#include <QImage>
#include <QtEndian>

namespace platform::qt {

namespace {

// QImage's 32-bit formats hold each pixel as one 0xAARRGGBB word.
constexpr cmsUInt32Number kPixelWord = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TYPE_BGRA_8 : TYPE_ARGB_8;

// Enough for the pairs a show meets: a few embedded profiles to one screen.
constexpr std::size_t kCachedTransforms = 8;

constexpr qint64 kSplitPixels = 1 << 20;

// A pair is known by the digests of its profiles, not the profiles themselves, so that the cache
// holds no more than a few bytes of a profile however large it claims to be.
struct Transform {
    QByteArray source;
    QByteArray destination;
    bool grey = false;
    std::shared_ptr<void> handle;  // null when no transform can be made between the two
};

using Profile = std::unique_ptr<void, decltype(&cmsCloseProfile)>;

// Little CMS reads a profile whose header claims more bytes than it has as far as it goes: a
// cut-off profile passes for whole, and is refused here.
Profile openProfile(const QByteArray& bytes)
{
    constexpr int kHeaderBytes = 128;
    if (bytes.isEmpty())
        return Profile(cmsCreate_sRGBProfile(), &cmsCloseProfile);
    if (bytes.size() < kHeaderBytes || qFromBigEndian<quint32>(bytes.constData()) > quint32(bytes.size()))
        return Profile(nullptr, &cmsCloseProfile);
    return Profile(cmsOpenProfileFromMem(bytes.constData(), static_cast<cmsUInt32Number>(bytes.size())),
                   &cmsCloseProfile);
}

// A profile that describes colours a picture or a screen holds: not a device link, an abstract
// effect or a list of named colours, which are no colour space to convert from or to.
// Signatures are compared as the numbers they are: a hostile profile holds any, not only those of
// the enumerations that Little CMS types them with.
bool describesColours(cmsHPROFILE profile)
{
    const cmsUInt32Number kind = cmsGetDeviceClass(profile);
    const cmsUInt32Number connection = cmsGetPCS(profile);
    return (kind == cmsSigInputClass || kind == cmsSigDisplayClass || kind == cmsSigOutputClass ||
            kind == cmsSigColorSpaceClass) &&
           (connection == cmsSigXYZData || connection == cmsSigLabData);
}

QByteArray digest(const QByteArray& profile)
{
    return QCryptographicHash::hash(profile, QCryptographicHash::Sha256);
}

Transform made(const QByteArray& source, const QByteArray& destination)
{
    Transform transform{digest(source), digest(destination), false, nullptr};
    const Profile from = openProfile(source);
    const Profile to = openProfile(destination);
    if (!from || !to || !describesColours(from.get()) || !describesColours(to.get()) ||
        static_cast<cmsUInt32Number>(cmsGetColorSpace(to.get())) != cmsSigRgbData)
        return transform;
    const cmsUInt32Number model = cmsGetColorSpace(from.get());
    if (model != cmsSigRgbData && model != cmsSigGrayData)
        return transform;
    transform.grey = model == cmsSigGrayData;
    // A grey source fills an RGB32 image whose alpha is set beforehand; an RGB one keeps its own.
    cmsHTRANSFORM handle =
        cmsCreateTransform(from.get(), transform.grey ? TYPE_GRAY_8 : kPixelWord, to.get(), kPixelWord,
                           INTENT_PERCEPTUAL, transform.grey ? 0 : cmsFLAGS_COPY_ALPHA);
    if (handle)
        transform.handle = std::shared_ptr<void>(handle, &cmsDeleteTransform);
    return transform;
}

class Transforms {
public:
    // The transform for the pair, made on first use. A shared handle outlives its eviction, so a
    // conversion under way on another thread keeps it.
    Transform get(const QByteArray& source, const QByteArray& destination)
    {
        {
            const QByteArray from = digest(source);
            const QByteArray to = digest(destination);
            const std::lock_guard lock(mutex_);
            const auto found = std::find_if(cache_.begin(), cache_.end(), [&](const Transform& t) {
                return t.source == from && t.destination == to;
            });
            if (found != cache_.end()) {
                std::rotate(cache_.begin(), found, found + 1);
                return cache_.front();
            }
        }
        // Made outside the lock: a large profile takes a while, and another thread may want a cached one.
        Transform transform = made(source, destination);
        const std::lock_guard lock(mutex_);
        cache_.insert(cache_.begin(), transform);
        if (cache_.size() > kCachedTransforms)
            cache_.pop_back();
        return transform;
    }

    void setDisplay(const QByteArray& profile)
    {
        {
            const std::lock_guard lock(mutex_);
            if (profile == displayGiven_)
                return;
        }
        const bool usable = profile.isEmpty() || get({}, profile).handle;
        const std::lock_guard lock(mutex_);
        displayGiven_ = profile;
        display_ = usable ? profile : QByteArray();
    }

    QByteArray display()
    {
        const std::lock_guard lock(mutex_);
        return display_;
    }

private:
    std::mutex mutex_;
    std::vector<Transform> cache_;  // the most recently used first
    QByteArray displayGiven_;
    QByteArray display_;
};

Transforms& transforms()
{
    static Transforms instance;
    return instance;
}

// Converts image to the 32-bit format the transform works on, as drawing would later convert it anyway.
void toPixelWords(QImage& image)
{
    const QImage::Format format = image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    if (image.format() != format)
        image = image.convertToFormat(format);
}

// Converting costs about as much as a reduced decode, and meanwhile the window's thread is idle:
// a large picture is converted in two halves at once.
void transformPixels(const Transform& transform, const uchar* in, qsizetype inLine, uchar* out, qsizetype outLine,
                     QSize size)
{
    const auto rows = [&](int from, int to) {
        cmsDoTransformLineStride(transform.handle.get(), in + from * inLine, out + from * outLine,
                                 static_cast<cmsUInt32Number>(size.width()), static_cast<cmsUInt32Number>(to - from),
                                 static_cast<cmsUInt32Number>(inLine), static_cast<cmsUInt32Number>(outLine), 0, 0);
    };
    if (qint64{size.width()} * size.height() >= kSplitPixels) {
        try {
            std::thread top(rows, 0, size.height() / 2);
            rows(size.height() / 2, size.height());
            top.join();
            return;
        } catch (const std::system_error&) {
        }
    }
    rows(0, size.height());
}

void apply(const Transform& transform, QImage& image)
{
    if (!transform.grey) {
        toPixelWords(image);
        uchar* pixels = image.isNull() ? nullptr : image.bits();
        if (pixels)
            transformPixels(transform, pixels, image.bytesPerLine(), pixels, image.bytesPerLine(), image.size());
        return;
    }
    QImage rgb(image.size(), QImage::Format_RGB32);
    if (rgb.isNull())
        return;
    rgb.fill(0xffffffff);
    transformPixels(transform, image.constBits(), image.bytesPerLine(), rgb.bits(), rgb.bytesPerLine(), image.size());
    image = std::move(rgb);
}

}  // namespace

void convertColours(QImage& image, const QByteArray& source, const QByteArray& destination, bool greyPixels)
{
    const bool grey = greyPixels || image.format() == QImage::Format_Grayscale8;
    Transform transform;
    if (!source.isEmpty())
        transform = transforms().get(source, destination);
    if (!transform.handle || transform.grey != grey) {
        transform = Transform{};
        if (!destination.isEmpty())
            transform = transforms().get({}, destination);
    }
    // Grey held as RGB is read as one channel: with R, G and B equal, Qt's grey conversion is exact.
    if (transform.handle && transform.grey && image.format() != QImage::Format_Grayscale8)
        image = image.convertToFormat(QImage::Format_Grayscale8);
    if (transform.handle)
        apply(transform, image);
    image.setColorSpace(QColorSpace());
}

void setDisplayProfile(const QByteArray& profile)
{
    transforms().setDisplay(profile);
}

QByteArray displayProfile()
{
    return transforms().display();
}

QByteArray toDisplayColours(QImage& image, const QByteArray& source, bool grey)
{
    QByteArray destination = displayProfile();
    convertColours(image, source, destination, grey);
    return destination;
}

}  // namespace platform::qt
