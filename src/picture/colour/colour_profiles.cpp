// Converting decoded pictures from the colours of their embedded profile to those of the screen.
#include "picture/colour/colour_profiles.h"

#include <lcms2.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include <QColorSpace>
#include <QCryptographicHash>
#include <QImage>
#include <QLoggingCategory>
#include <QtEndian>

#include "picture/colour/abandonable_builds.h"
#include "picture/colour/conversion_alongside.h"
#include "picture/colour/matrix_shaper.h"
#include "picture/loading/decode_budget.h"

namespace platform::qt {

namespace {

using Clock = std::chrono::steady_clock;

// QImage's 32-bit formats hold each pixel as one 0xAARRGGBB word.
constexpr cmsUInt32Number kPixelWord = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TYPE_BGRA_8 : TYPE_ARGB_8;

// Enough for the pairs a show meets: a few embedded profiles to one screen.
constexpr std::size_t kCachedTransforms = 8;

// A real profile's transform takes milliseconds to build; one still building after this is hostile.
constexpr std::chrono::milliseconds kSlowestBuild(500);

// Beside one hostile profile still building, a good one is built at once.
constexpr int kConcurrentBuilds = 2;

// The picture library's own door into the program's one category.
Q_LOGGING_CATEGORY(colourLog, "pixora", QtInfoMsg)

// A pair is known by the digests of its profiles, not the profiles themselves, so that the cache
// holds no more than a few bytes of a profile however large it claims to be.
struct Transform {
    enum class State { Building, Built, TooSlow };
    QByteArray source;
    QByteArray destination;
    ColourTransform conversion;
    State state = State::Built;
    Clock::time_point started;
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

ColourTransform made(const QByteArray& source, const QByteArray& destination)
{
    const Profile from = openProfile(source);
    const Profile to = openProfile(destination);
    if (!from || !to || !describesColours(from.get()) || !describesColours(to.get()) ||
        static_cast<cmsUInt32Number>(cmsGetColorSpace(to.get())) != cmsSigRgbData)
        return {};
    const cmsUInt32Number model = cmsGetColorSpace(from.get());
    if (model != cmsSigRgbData && model != cmsSigGrayData)
        return {};
    const bool grey = model == cmsSigGrayData;
    if (std::shared_ptr<const MatrixShaper> shaper = grey ? nullptr : MatrixShaper::between(from.get(), to.get()))
        return ColourTransform::byShaper(std::move(shaper));
    // A grey source fills an RGB32 image whose alpha is set beforehand; an RGB one keeps its own.
    if (cmsHTRANSFORM handle = cmsCreateTransform(from.get(), grey ? TYPE_GRAY_8 : kPixelWord, to.get(), kPixelWord,
                                                  INTENT_PERCEPTUAL, grey ? 0 : cmsFLAGS_COPY_ALPHA))
        return ColourTransform::byLittleCms(grey, std::shared_ptr<void>(handle, &cmsDeleteTransform));
    return {};
}

// Little CMS cannot be stopped while it builds a transform, and a hostile profile makes it take
// minutes: each build runs on a helper of its own that the caller waits on only until its deadline.
// A pair not built by then is remembered as too slow and converted as from sRGB from then on.
class Transforms {
public:
    Transforms() { letColourBuildsBeAbandoned(); }

    ~Transforms()
    {
        abandonColourBuilds();
        std::unique_lock lock(mutex_);
        built_.wait(lock, [this] { return builders_ == 0; });
        joinEnded();
    }

    // The transform for the pair, made on first use. A shared transform outlives its eviction, so a
    // conversion under way on another thread keeps it.
    ColourTransform get(const QByteArray& source, const QByteArray& destination, Deadline deadline)
    {
        return get(source, digestOf(source), destination, digestOf(destination), deadline);
    }

    void setDisplay(const QByteArray& profile)
    {
        {
            const std::lock_guard lock(mutex_);
            if (profile == displayGiven_)
                return;
        }
        const QByteArray to = digest(profile);
        const Deadline deadline = Clock::now() + decodeTimeBudget({});
        const bool usable = profile.isEmpty() || get({}, digest({}), profile, to, deadline).usable();
        const std::lock_guard lock(mutex_);
        displayGiven_ = profile;
        display_ = usable ? profile : QByteArray();
        displayDigest_ = usable ? to : digest({});
    }

    QByteArray display()
    {
        const std::lock_guard lock(mutex_);
        return display_;
    }

private:
    // Every decode converts to the screen's profile, up to 16 MB: its digest is taken once.
    QByteArray digestOf(const QByteArray& profile)
    {
        {
            const std::lock_guard lock(mutex_);
            if (!profile.isEmpty() && profile.constData() == display_.constData() && profile.size() == display_.size())
                return displayDigest_;
        }
        return digest(profile);
    }

    std::vector<Transform>::iterator find(const QByteArray& from, const QByteArray& to)
    {
        return std::find_if(cache_.begin(), cache_.end(),
                            [&](const Transform& t) { return t.source == from && t.destination == to; });
    }

    ColourTransform get(const QByteArray& source, const QByteArray& from, const QByteArray& destination,
                        const QByteArray& to, Deadline deadline)
    {
        std::unique_lock lock(mutex_);
        joinEnded();
        if (find(from, to) == cache_.end() && !startBuild(source, from, destination, to))
            return {};
        // Half of what is left, so that the decode still ends within its budget once it gives up.
        const Deadline now = Clock::now();
        const Deadline until = deadline == Deadline::max() ? deadline : now + (std::max(deadline, now) - now) / 2;
        const auto settled = [&] {
            const auto found = find(from, to);
            return found == cache_.end() || found->state != Transform::State::Building;
        };
        if (until == Deadline::max())
            built_.wait(lock, settled);
        else
            built_.wait_until(lock, until, settled);
        const auto found = find(from, to);
        if (found == cache_.end())
            return {};
        if (found->state == Transform::State::Building) {
            // A decode already late when it asks gets sRGB, but does not condemn the profile.
            if (Clock::now() - found->started < kSlowestBuild)
                return {};
            found->state = Transform::State::TooSlow;
            qCDebug(colourLog, "colour transform too slow to build: converted as from sRGB");
        }
        std::rotate(cache_.begin(), found, found + 1);
        return cache_.front().conversion;
    }

    // Called locked. False when as many builds as are allowed are still under way.
    bool startBuild(const QByteArray& source, const QByteArray& from, const QByteArray& destination,
                    const QByteArray& to)
    {
        if (builders_ >= kConcurrentBuilds) {
            qCDebug(colourLog, "colour transforms still building: converted as from sRGB");
            return false;
        }
        cache_.insert(cache_.begin(), Transform{from, to, {}, Transform::State::Building, Clock::now()});
        if (cache_.size() > kCachedTransforms)
            cache_.pop_back();
        try {
            threads_.emplace_back([this, source, from, destination, to] { build(source, from, destination, to); });
        } catch (const std::system_error&) {
            cache_.erase(cache_.begin());
            return false;
        }
        ++builders_;
        return true;
    }

    void build(const QByteArray& source, const QByteArray& from, const QByteArray& destination, const QByteArray& to)
    {
        ColourTransform conversion = made(source, destination);
        const std::lock_guard lock(mutex_);
        const auto found = find(from, to);
        if (found != cache_.end() && found->state == Transform::State::Building) {
            found->conversion = std::move(conversion);
            found->state = Transform::State::Built;
        }
        ended_.push_back(std::this_thread::get_id());
        --builders_;
        built_.notify_all();
    }

    // Called locked: a helper that has ended is joined by the next caller.
    void joinEnded()
    {
        for (const std::thread::id id : ended_) {
            const auto thread =
                std::find_if(threads_.begin(), threads_.end(), [id](const std::thread& t) { return t.get_id() == id; });
            thread->join();
            threads_.erase(thread);
        }
        ended_.clear();
    }

    std::mutex mutex_;
    std::condition_variable built_;
    std::vector<Transform> cache_;  // the most recently used first
    std::vector<std::thread> threads_;
    std::vector<std::thread::id> ended_;
    int builders_ = 0;
    QByteArray displayGiven_;
    QByteArray display_;
    QByteArray displayDigest_ = digest({});
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
ColourTransform chosen(const QByteArray& source, const QByteArray& destination, bool grey, Deadline deadline)
{
    ColourTransform transform;
    if (!source.isEmpty())
        transform = transforms().get(source, destination, deadline);
    if (transform.usable() && transform.fromGrey() == grey)
        return transform;
    return destination.isEmpty() ? ColourTransform() : transforms().get({}, destination, deadline);
}

}  // namespace

void convertColours(QImage& image, const QByteArray& source, const QByteArray& destination, bool greyPixels,
                    Deadline deadline)
{
    const ColourTransform transform =
        chosen(source, destination, greyPixels || image.format() == QImage::Format_Grayscale8, deadline);
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

QByteArray toDisplayColours(QImage& image, const QByteArray& source, Deadline deadline, bool grey)
{
    QByteArray destination = displayProfile();
    convertColours(image, source, destination, grey, deadline);
    return destination;
}

DisplayTransform colourTransformToDisplay(const QByteArray& source, Deadline deadline)
{
    QByteArray destination = displayProfile();
    return {chosen(source, destination, false, deadline), std::move(destination)};
}

}  // namespace platform::qt
