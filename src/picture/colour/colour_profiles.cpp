// Converting decoded pictures from the colours of their embedded profile to those of the screen.
#include "picture/colour/colour_profiles.h"

#include <lcms2.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include <QColorSpace>
#include <QCryptographicHash>
#include <QImage>
#include <QtEndian>

#include "picture/colour/conversion_alongside.h"
#include "picture/colour/matrix_shaper.h"

namespace platform::qt {

namespace {

// QImage's 32-bit formats hold each pixel as one 0xAARRGGBB word.
constexpr cmsUInt32Number kPixelWord = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TYPE_BGRA_8 : TYPE_ARGB_8;

// Enough for the pairs a show meets: a few embedded profiles to one screen.
constexpr std::size_t kCachedTransforms = 8;

// A pair is known by the digests of its profiles, not the profiles themselves, so that the cache
// holds no more than a few bytes of a profile however large it claims to be.
struct Transform {
    QByteArray source;
    QByteArray destination;
    ColourTransform conversion;
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
    Transform transform{digest(source), digest(destination), {}};
    const Profile from = openProfile(source);
    const Profile to = openProfile(destination);
    if (!from || !to || !describesColours(from.get()) || !describesColours(to.get()) ||
        static_cast<cmsUInt32Number>(cmsGetColorSpace(to.get())) != cmsSigRgbData)
        return transform;
    const cmsUInt32Number model = cmsGetColorSpace(from.get());
    if (model != cmsSigRgbData && model != cmsSigGrayData)
        return transform;
    const bool grey = model == cmsSigGrayData;
    if (std::shared_ptr<const MatrixShaper> shaper = grey ? nullptr : MatrixShaper::between(from.get(), to.get())) {
        transform.conversion = ColourTransform::byShaper(std::move(shaper));
        return transform;
    }
    // A grey source fills an RGB32 image whose alpha is set beforehand; an RGB one keeps its own.
    if (cmsHTRANSFORM handle = cmsCreateTransform(from.get(), grey ? TYPE_GRAY_8 : kPixelWord, to.get(), kPixelWord,
                                                  INTENT_PERCEPTUAL, grey ? 0 : cmsFLAGS_COPY_ALPHA))
        transform.conversion = ColourTransform::byLittleCms(grey, std::shared_ptr<void>(handle, &cmsDeleteTransform));
    return transform;
}

class Transforms {
public:
    // The transform for the pair, made on first use. A shared transform outlives its eviction, so a
    // conversion under way on another thread keeps it.
    ColourTransform get(const QByteArray& source, const QByteArray& destination)
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
                return cache_.front().conversion;
            }
        }
        // Made outside the lock: a large profile takes a while, and another thread may want a cached one.
        Transform transform = made(source, destination);
        const std::lock_guard lock(mutex_);
        cache_.insert(cache_.begin(), transform);
        if (cache_.size() > kCachedTransforms)
            cache_.pop_back();
        return transform.conversion;
    }

    void setDisplay(const QByteArray& profile)
    {
        {
            const std::lock_guard lock(mutex_);
            if (profile == displayGiven_)
                return;
        }
        const bool usable = profile.isEmpty() || get({}, profile).usable();
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
// a large picture is converted by two threads at once.
void convertPixels(const ColourTransform& transform, const uchar* in, qsizetype inLine, QImage& out)
{
    ConversionAlongside conversion(transform, in, inLine, out.bits(), out.bytesPerLine(), out.width(), out.height());
    conversion.finish();
}

void apply(const ColourTransform& transform, QImage& image)
{
    if (!transform.fromGrey()) {
        toPixelWords(image);
        if (const uchar* pixels = image.isNull() ? nullptr : image.bits())
            convertPixels(transform, pixels, image.bytesPerLine(), image);
        return;
    }
    QImage rgb(image.size(), QImage::Format_RGB32);
    if (rgb.isNull())
        return;
    rgb.fill(0xffffffff);
    convertPixels(transform, image.constBits(), image.bytesPerLine(), rgb);
    image = std::move(rgb);
}

// The transform from source, or from sRGB when source cannot be read or is not of the pixels' model.
ColourTransform chosen(const QByteArray& source, const QByteArray& destination, bool grey)
{
    ColourTransform transform;
    if (!source.isEmpty())
        transform = transforms().get(source, destination);
    if (transform.usable() && transform.fromGrey() == grey)
        return transform;
    return destination.isEmpty() ? ColourTransform() : transforms().get({}, destination);
}

}  // namespace

void convertColours(QImage& image, const QByteArray& source, const QByteArray& destination, bool greyPixels)
{
    const ColourTransform transform =
        chosen(source, destination, greyPixels || image.format() == QImage::Format_Grayscale8);
    // Grey held as RGB is read as one channel: with R, G and B equal, Qt's grey conversion is exact.
    if (transform.fromGrey() && image.format() != QImage::Format_Grayscale8)
        image = image.convertToFormat(QImage::Format_Grayscale8);
    if (transform.converts())
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

DisplayTransform colourTransformToDisplay(const QByteArray& source)
{
    QByteArray destination = displayProfile();
    return {chosen(source, destination, false), std::move(destination)};
}

}  // namespace platform::qt
