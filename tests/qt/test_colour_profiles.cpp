// Colour profiles embedded in pictures: followed when sound, ignored when broken.
#include <lcms2.h>

#include <QColor>
#include <QColorSpace>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "hostile_files.h"
#include "picture/colour/colour_profiles.h"
#include "pixora_log.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/decoded_picture.h"
#include "platform/qt/qt_picture_loader.h"

namespace {

// JPEG's rounding of a flat colour, and two converters' rounding of the same colour.
constexpr int kTolerance = 4;

QByteArray saved(cmsHPROFILE profile)
{
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(static_cast<int>(size), '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

// Qt 6.4 writes no grey profile.
QByteArray greyProfile()
{
    cmsToneCurve* linear = cmsBuildGamma(nullptr, 1.0);
    const QByteArray bytes = saved(cmsCreateGrayProfile(cmsD50_xyY(), linear));
    cmsFreeToneCurve(linear);
    return bytes;
}

// Adobe RGB's primaries with one curve for the three channels, as an older, version 2 profile.
QByteArray version2Profile(cmsToneCurve* curve)
{
    const cmsCIExyYTRIPLE primaries = {{0.64, 0.33, 1}, {0.21, 0.71, 1}, {0.15, 0.06, 1}};
    cmsToneCurve* curves[] = {curve, curve, curve};
    const cmsCIExyY d65 = {0.3127, 0.3290, 1};
    cmsHPROFILE profile = cmsCreateRGBProfile(&d65, &primaries, curves);
    cmsSetProfileVersion(profile, 2.1);
    cmsFreeToneCurve(curve);
    return saved(profile);
}

// A sound profile whose transform takes Little CMS seconds to build: a table of a thousand steps,
// in four chunks of a JPEG.
QByteArray slowProfile()
{
    cmsHPROFILE profile = cmsCreate_sRGBProfile();
    cmsPipeline* table = cmsPipelineAlloc(nullptr, 3, 3);
    float corners[2 * 2 * 2 * 3];
    for (int i = 0; i < 24; ++i)
        corners[i] = static_cast<float>((i / 3 >> (2 - i % 3)) & 1);
    for (int step = 0; step < 1400; ++step)
        cmsPipelineInsertStage(table, cmsAT_END, cmsStageAllocCLutFloat(nullptr, 2, 3, 3, corners));
    cmsWriteTag(profile, cmsSigDToB0Tag, table);
    cmsPipelineFree(table);
    return saved(profile);
}

const QByteArray kAdobeRgb = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
const QByteArray kDisplayP3 = QColorSpace(QColorSpace::DisplayP3).iccProfile();
const QByteArray kProPhoto = QColorSpace(QColorSpace::ProPhotoRgb).iccProfile();
const QByteArray kRedGreenSwapped = QColorSpace(QPointF(0.3127, 0.3290), QPointF(0.30, 0.60), QPointF(0.64, 0.33),
                                                QPointF(0.15, 0.06), QColorSpace::TransferFunction::SRgb)
                                        .iccProfile();
const QByteArray kGrey = greyProfile();

// Little CMS's own conversion of count pixels, the reference: grey bytes or 0xAARRGGBB words to
// words, alpha kept; an empty profile stands for sRGB.
void littleCmsConverted(const QByteArray& source, const QByteArray& destination, bool grey, const void* in, void* out,
                        qsizetype count)
{
    constexpr cmsUInt32Number kWord = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TYPE_BGRA_8 : TYPE_ARGB_8;
    const auto open = [](const QByteArray& bytes) {
        return bytes.isEmpty() ? cmsCreate_sRGBProfile()
                               : cmsOpenProfileFromMem(bytes.constData(), static_cast<cmsUInt32Number>(bytes.size()));
    };
    cmsHPROFILE from = open(source);
    cmsHPROFILE to = open(destination);
    cmsHTRANSFORM transform = cmsCreateTransform(from, grey ? TYPE_GRAY_8 : kWord, to, kWord, INTENT_PERCEPTUAL,
                                                 grey ? 0 : cmsFLAGS_COPY_ALPHA);
    cmsDoTransform(transform, in, out, static_cast<cmsUInt32Number>(count));
    cmsDeleteTransform(transform);
    cmsCloseProfile(from);
    cmsCloseProfile(to);
}

// The sRGB colour Little CMS gives for colour in profile; grey reads the red channel alone.
QColor reference(const QByteArray& profile, QColor colour, bool grey)
{
    const QRgb in = colour.rgba();
    const auto level = static_cast<unsigned char>(colour.red());
    QRgb out = colour.rgba();
    littleCmsConverted(profile, {}, grey, grey ? static_cast<const void*>(&level) : &in, &out, 1);
    return QColor::fromRgba(out);
}

enum class Container { Jpeg, JpegInTwoChunks, GreyJpeg, TranslucentBmp, Gif };

QByteArray app2(const QByteArray& chunk, int sequence, int count)
{
    QByteArray segment("\xff\xe2\0\0ICC_PROFILE\0", 16);
    segment.append(static_cast<char>(sequence)).append(static_cast<char>(count)).append(chunk);
    qToBigEndian<quint16>(static_cast<quint16>(segment.size() - 2), segment.data() + 2);
    return segment;
}

QByteArray jpeg(const QImage& image, const QByteArray& profile, int chunks)
{
    QByteArray file = hostile::encoded(image, "JPEG", 100);
    const int part = (profile.size() + chunks - 1) / chunks;
    QByteArray segments;
    for (int chunk = 0; chunk < chunks && !profile.isEmpty(); ++chunk)
        segments += app2(profile.mid(chunk * part, part), chunk + 1, chunks);
    return file.insert(2, segments);
}

// A version 5 BMP, 32 bits with alpha, its profile after the pixels.
QByteArray bmp(QColor colour, const QByteArray& profile)
{
    constexpr int kSide = 4;
    QByteArray file(14 + 124, '\0');
    const auto put = [&](int at, quint32 value) { qToLittleEndian(value, file.data() + at); };
    file[0] = 'B';
    file[1] = 'M';
    // The header's fields, then the masks of red, green, blue and alpha, the colour space ('sRGB' or
    // 'MBED'), and where the profile is and how long.
    for (const auto& [at, value] : {std::pair<int, quint32>{10, 14 + 124}, {14, 124}, {18, kSide}, {22, kSide},
                                    {26, 1 | 32 << 16}, {30, 3}, {54, 0x00ff0000}, {58, 0x0000ff00}, {62, 0x000000ff},
                                    {66, 0xff000000}, {70, profile.isEmpty() ? 0x73524742u : 0x4d424544u},
                                    {126, 124 + kSide * kSide * 4}, {130, static_cast<quint32>(profile.size())}})
        put(at, value);
    for (int i = 0; i < kSide * kSide; ++i)
        file.append(static_cast<char>(colour.blue())).append(static_cast<char>(colour.green()))
            .append(static_cast<char>(colour.red())).append(static_cast<char>(colour.alpha()));
    put(2, static_cast<quint32>(file.size() + profile.size()));
    return file + profile;
}

// Three by two pixels of one colour, the profile in an application extension before them.
QByteArray gif(QColor colour, const QByteArray& profile)
{
    QByteArray file("GIF89a\x03\0\x02\0\x80\0\0", 13);
    file.append(static_cast<char>(colour.red())).append(static_cast<char>(colour.green()))
        .append(static_cast<char>(colour.blue())).append(QByteArray(3, '\0'));
    if (!profile.isEmpty()) {
        file.append("\x21\xff\x0bICCRGBG1012");
        for (int at = 0; at < profile.size(); at += 255)
            file.append(static_cast<char>(profile.mid(at, 255).size())).append(profile.mid(at, 255));
        file.append('\0');
    }
    return file.append(QByteArray("\x2c\0\0\0\0\x03\0\x02\0\0\x02\x04\x04\x08\x10\x28\0\x3b", 18));
}

QByteArray pictureFile(Container container, QColor colour, const QByteArray& profile)
{
    if (container == Container::TranslucentBmp)
        return bmp(colour, profile);
    if (container == Container::Gif)
        return gif(colour, profile);
    // Large enough for the conversion to be shared between two threads.
    QImage image(container == Container::Jpeg ? QSize(1200, 1000) : QSize(16, 16),
                 container == Container::GreyJpeg ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    image.fill(colour);
    return jpeg(image, profile, container == Container::JpegInTwoChunks ? 2 : 1);
}

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= kTolerance && std::abs(a.green() - b.green()) <= kTolerance &&
           std::abs(a.blue() - b.blue()) <= kTolerance && a.alpha() == b.alpha();
}

class ColourProfiles : public ::testing::Test, protected hostile::Folder {
protected:
    // The colour of the file's picture, one colour all over, as the loader decodes it at its own size
    // (where it is on the screen); invalid if any pixel differs from the others.
    QColor shown(const QByteArray& bytes)
    {
        const auto picture = std::dynamic_pointer_cast<const platform::qt::DecodedPicture>(
            loader.load(write(std::to_string(++files) + ".jpg", bytes), platform::PictureUse::OwnSize));
        const QImage image = picture->atHand().convertToFormat(QImage::Format_ARGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        const bool even =
            std::all_of(pixels, pixels + image.width() * image.height(), [&](QRgb p) { return p == *pixels; });
        return even ? QColor::fromRgba(*pixels) : QColor();
    }

    platform::qt::QtPictureLoader loader;
    int files = 0;
};

TEST_F(ColourProfiles, PicturesAreShownInTheColoursTheirProfileGives)
{
    const struct {
        const char* name;
        QByteArray profile;
        Container container;
        QColor stored;
    } rows[] = {
        {"Adobe RGB beyond sRGB in a JPEG", kAdobeRgb, Container::Jpeg, QColor(20, 220, 40)},
        {"Display P3 in two chunks of a JPEG", kDisplayP3, Container::JpegInTwoChunks, QColor(40, 200, 60)},
        {"ProPhoto RGB in a JPEG", kProPhoto, Container::Jpeg, QColor(90, 60, 150)},
        {"red and green swapped in a translucent BMP", kRedGreenSwapped, Container::TranslucentBmp,
         QColor(220, 40, 90, 128)},
        {"Adobe RGB in a GIF", kAdobeRgb, Container::Gif, QColor(30, 90, 210)},
        {"linear grey in a grey JPEG", kGrey, Container::GreyJpeg, QColor(100, 100, 100)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // Without its profile the picture is taken as sRGB: its numbers are shown as they are.
        const QColor plain = shown(pictureFile(row.container, row.stored, {}));
        EXPECT_TRUE(near(plain, row.stored)) << plain.name(QColor::HexArgb).toStdString();
        const QColor expected = reference(row.profile, plain, row.container == Container::GreyJpeg);
        ASSERT_FALSE(near(expected, plain)) << "the profile must make a visible difference";
        const QColor converted = shown(pictureFile(row.container, row.stored, row.profile));
        EXPECT_TRUE(near(converted, expected)) << converted.name(QColor::HexArgb).toStdString() << ", expected "
                                               << expected.name(QColor::HexArgb).toStdString();
    }
}

TEST_F(ColourProfiles, BrokenProfilesAreIgnored)
{
    const QColor stored(190, 70, 40);
    QByteArray lyingTags = kAdobeRgb;
    for (quint32 tag = 0; tag < qFromBigEndian<quint32>(lyingTags.constData() + 128); ++tag)
        qToBigEndian<quint32>(0x7fffffff, lyingTags.data() + 132 + 12 * tag + 8);
    QByteArray lyingLength = kAdobeRgb;
    qToBigEndian<quint32>(static_cast<quint32>(kAdobeRgb.size() * 10), lyingLength.data());
    QByteArray bmpBeyondItsEnd = bmp(stored, kAdobeRgb);
    qToLittleEndian<quint32>(static_cast<quint32>(kAdobeRgb.size() * 10), bmpBeyondItsEnd.data() + 130);
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(stored);

    const struct {
        const char* name;
        QByteArray file;
    } rows[] = {
        {"cut in half", pictureFile(Container::Jpeg, stored, kAdobeRgb.left(kAdobeRgb.size() / 2))},
        {"claiming more bytes than it has", pictureFile(Container::Jpeg, stored, lyingLength)},
        {"tags claiming more bytes than it has", pictureFile(Container::Jpeg, stored, lyingTags)},
        {"not a profile at all", pictureFile(Container::Jpeg, stored, hostile::noise(600))},
        {"a grey profile on a colour picture", pictureFile(Container::Jpeg, stored, kGrey)},
        {"the first of two chunks only",
         hostile::encoded(image, "JPEG", 100).insert(2, app2(kAdobeRgb.left(kAdobeRgb.size() / 2), 1, 2))},
        {"a BMP's profile beyond the end of its file", bmpBeyondItsEnd},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QColor colour = shown(row.file);
        EXPECT_TRUE(near(colour, stored)) << colour.name().toStdString();
    }
}

// The wait for the slow build counts against the decode's budget: its picture is shown as sRGB, a
// good one after it is converted at once, and the next picture with that profile waits no more.
TEST_F(ColourProfiles, AProfileTooSlowToBuildIsTakenAsSrgbOnceAndHoldsUpNoOtherPicture)
{
    const PixoraLog log;
    log.on();
    const QByteArray slow = slowProfile();
    const QColor stored(30, 90, 210);
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(stored);
    const QColor first = shown(jpeg(image, slow, 4));
    const QColor plain = shown(pictureFile(Container::Jpeg, stored, {}));
    const QColor good = shown(pictureFile(Container::Jpeg, stored, kAdobeRgb));
    const QColor second = shown(jpeg(image, slow, 4));
    EXPECT_TRUE(near(first, stored)) << first.name().toStdString();
    EXPECT_TRUE(near(second, stored)) << second.name().toStdString();
    EXPECT_TRUE(near(good, reference(kAdobeRgb, plain, false))) << good.name().toStdString();
    EXPECT_EQ(log.said.filter("too slow").size(), 1) << log.said.join("; ").toStdString();
}

// Little CMS's own transform is the reference, for pairs where its arithmetic takes a turn of its
// own: a screen profile, the same profile on both sides, a black that is not zero.
TEST(ColourConversion, EveryColourComesOutAsLittleCmsGivesItWithinOneLevel)
{
    const double liftedBlack[] = {2.2, 0.95, 0, 0, 0, 0.05, 0.05};
    const struct {
        const char* name;
        QByteArray source;
        QByteArray destination;
    } pairs[] = {
        {"sRGB on a wide-gamut screen", {}, version2Profile(cmsBuildGamma(nullptr, 2.2))},
        {"Adobe RGB on an Adobe RGB screen", kAdobeRgb, kAdobeRgb},
        {"a lifted black on sRGB", version2Profile(cmsBuildParametricToneCurve(nullptr, 5, liftedBlack)), {}},
        {"Display P3 on an Adobe RGB screen", kDisplayP3, kAdobeRgb},
    };
    // Every fifth value, and the darkest, where the curves are steepest.
    std::vector<int> levels;
    for (int level = 0; level <= 255; level += level < 5 ? 1 : 5)
        levels.push_back(level);
    const int count = static_cast<int>(levels.size());
    QImage grid(count * count, count, QImage::Format_ARGB32);
    auto* pixels = reinterpret_cast<QRgb*>(grid.bits());
    for (int i = 0; i < grid.width() * grid.height(); ++i)
        pixels[i] = qRgba(levels[i % count], levels[i / count % count], levels[i / count / count], i % 256);
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.name);
        QImage converted = grid;
        platform::qt::convertColours(converted, pair.source, pair.destination);
        QImage expected = grid;
        littleCmsConverted(pair.source, pair.destination, false, grid.constBits(), expected.bits(),
                           grid.width() * grid.height());
        int worst = 0;
        for (qsizetype at = 0; at < expected.sizeInBytes(); ++at)
            worst = std::max(worst, std::abs(converted.constBits()[at] - expected.constBits()[at]));
        EXPECT_LE(worst, 1);
    }
}

}  // namespace
