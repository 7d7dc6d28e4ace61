// Converting 8-bit pixels between two RGB profiles made of three curves and a matrix, the fast way.
#include "picture/colour/matrix_shaper.h"

#include <lcms2.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace platform::qt {

namespace {

using Matrix = std::array<double, 9>;

// Tables that Little CMS would take in place of the curves and the matrix.
constexpr cmsTagSignature kTableTags[] = {
    cmsSigAToB0Tag, cmsSigAToB1Tag, cmsSigAToB2Tag, cmsSigBToA0Tag, cmsSigBToA1Tag, cmsSigBToA2Tag,
    cmsSigDToB0Tag, cmsSigDToB1Tag, cmsSigDToB2Tag, cmsSigBToD0Tag, cmsSigBToD1Tag, cmsSigBToD2Tag};

constexpr cmsTagSignature kColorants[] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};
constexpr cmsTagSignature kCurves[] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};

bool curvesAndMatrixOnly(cmsHPROFILE profile)
{
    if (static_cast<cmsUInt32Number>(cmsGetColorSpace(profile)) != cmsSigRgbData || !cmsIsMatrixShaper(profile))
        return false;
    return std::none_of(std::begin(kTableTags), std::end(kTableTags),
                        [profile](cmsTagSignature tag) { return cmsIsTag(profile, tag); });
}

// Columns: the red, green and blue colorants in the connection space.
bool readColorants(cmsHPROFILE profile, Matrix& m)
{
    for (int c = 0; c < 3; ++c) {
        const auto* xyz = static_cast<const cmsCIEXYZ*>(cmsReadTag(profile, kColorants[c]));
        if (!xyz)
            return false;
        m[c] = xyz->X;
        m[3 + c] = xyz->Y;
        m[6 + c] = xyz->Z;
    }
    return true;
}

bool invert(const Matrix& m, Matrix& inverse)
{
    const double cofactors[9] = {m[4] * m[8] - m[5] * m[7], m[2] * m[7] - m[1] * m[8], m[1] * m[5] - m[2] * m[4],
                                 m[5] * m[6] - m[3] * m[8], m[0] * m[8] - m[2] * m[6], m[2] * m[3] - m[0] * m[5],
                                 m[3] * m[7] - m[4] * m[6], m[1] * m[6] - m[0] * m[7], m[0] * m[4] - m[1] * m[3]};
    const double determinant = m[0] * cofactors[0] + m[1] * cofactors[3] + m[2] * cofactors[6];
    if (!std::isfinite(determinant) || std::abs(determinant) < 1e-9)
        return false;
    for (int i = 0; i < 9; ++i)
        inverse[i] = cofactors[i] / determinant;
    return true;
}

// As Little CMS rounds to 1.14 fixed point.
std::int32_t fixed14(double value)
{
    return static_cast<std::int32_t>(std::floor(value * (1 << 14) + 0.5));
}

// As Little CMS makes an 8-bit value of a 0..1 one: through 16 bits.
std::uint8_t eightBits(double value)
{
    const double clamped = std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 0.0;
    const auto word = static_cast<std::uint32_t>(std::floor(clamped * 65535 + 0.5));
    return static_cast<std::uint8_t>((word * 65281 + 8388608) >> 24);
}

double evaluated(const cmsToneCurve* curve, double at)
{
    return cmsEvalToneCurveFloat(curve, static_cast<cmsFloat32Number>(at));
}

// A curve that leaves black black and stays within black and white: one that needs no black point
// compensation, which Little CMS brings in for a perceptual conversion with a version 4 profile.
bool withinBlackAndWhite(const cmsToneCurve* curve)
{
    if (evaluated(curve, 0) != 0)
        return false;
    for (int value = 0; value < 256; ++value) {
        const double light = evaluated(curve, value / 255.0);
        if (!(light >= 0 && light <= 1))
            return false;
    }
    return true;
}

// Within what Little CMS itself takes for the identity, which it then leaves out.
bool isIdentity(const Matrix& m)
{
    for (int i = 0; i < 9; ++i) {
        if (!(std::abs(m[i] - (i % 4 == 0 ? 1 : 0)) < 1.0 / 65535))
            return false;
    }
    return true;
}

}  // namespace

std::unique_ptr<const MatrixShaper> MatrixShaper::between(void* source, void* destination)
{
    if (!curvesAndMatrixOnly(source) || !curvesAndMatrixOnly(destination))
        return nullptr;
    Matrix from{};
    Matrix to{};
    Matrix toInverse{};
    if (!readColorants(source, from) || !readColorants(destination, to) || !invert(to, toInverse))
        return nullptr;
    Matrix matrix{};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            for (int k = 0; k < 3; ++k)
                matrix[row * 3 + column] += toInverse[row * 3 + k] * from[k * 3 + column];
            // Within two either way, three products of light and coefficient stay within 32 bits.
            if (!(std::abs(matrix[row * 3 + column]) < 2))
                return nullptr;
        }
    }
    auto shaper = std::unique_ptr<MatrixShaper>(new MatrixShaper);
    shaper->curvesOnly_ = isIdentity(matrix);
    shaper->changesNothing_ = shaper->curvesOnly_;
    for (int c = 0; c < 3; ++c) {
        const auto* in = static_cast<const cmsToneCurve*>(cmsReadTag(source, kCurves[c]));
        const auto* out = static_cast<const cmsToneCurve*>(cmsReadTag(destination, kCurves[c]));
        if (!in || !out || !withinBlackAndWhite(in) || !withinBlackAndWhite(out))
            return nullptr;
        const std::unique_ptr<cmsToneCurve, decltype(&cmsFreeToneCurve)> reversed(cmsReverseToneCurve(out),
                                                                                  &cmsFreeToneCurve);
        if (!reversed)
            return nullptr;
        for (int value = 0; value < 256; ++value) {
            const double light = evaluated(in, value / 255.0);
            shaper->curves_[c][value] = eightBits(evaluated(reversed.get(), light));
            shaper->changesNothing_ = shaper->changesNothing_ && shaper->curves_[c][value] == value;
            for (int o = 0; o < 3; ++o)
                shaper->gives_[c][value][o] = fixed14(matrix[o * 3 + c]) * fixed14(light);
        }
        for (int light = 0; light <= kOne; ++light)
            shaper->encoded_[c][light] = eightBits(evaluated(reversed.get(), static_cast<double>(light) / kOne));
    }
    return shaper;
}

void MatrixShaper::convert(std::uint32_t* pixels, std::size_t count) const
{
    if (curvesOnly_)
        convertByCurves(pixels, count);
    else
        convertByMatrix(pixels, count);
}

void MatrixShaper::convertByMatrix(std::uint32_t* pixels, std::size_t count) const
{
    // The three channels' sums side by side in one vector register (SSE2, NEON): half the time of
    // summing them one by one.
    using Lanes = std::int32_t __attribute__((vector_size(16)));
    const Lanes half = {kOne / 2, kOne / 2, kOne / 2, kOne / 2};
    const Lanes black = {0, 0, 0, 0};
    const Lanes white = {kOne, kOne, kOne, kOne};
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pixel = pixels[i];
        Lanes red;
        Lanes green;
        Lanes blue;
        std::memcpy(&red, gives_[0][(pixel >> 16) & 0xff].data(), sizeof red);
        std::memcpy(&green, gives_[1][(pixel >> 8) & 0xff].data(), sizeof green);
        std::memcpy(&blue, gives_[2][pixel & 0xff].data(), sizeof blue);
        Lanes light = (red + green + blue + half) >> 14;
        light &= light > black;
        const Lanes beyondWhite = light > white;
        light = (light & ~beyondWhite) | (white & beyondWhite);
        pixels[i] = (pixel & 0xff000000u) | std::uint32_t{encoded_[0][light[0]]} << 16 |
                    std::uint32_t{encoded_[1][light[1]]} << 8 | encoded_[2][light[2]];
    }
}

void MatrixShaper::convertByCurves(std::uint32_t* pixels, std::size_t count) const
{
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pixel = pixels[i];
        pixels[i] = (pixel & 0xff000000u) | std::uint32_t{curves_[0][(pixel >> 16) & 0xff]} << 16 |
                    std::uint32_t{curves_[1][(pixel >> 8) & 0xff]} << 8 | curves_[2][pixel & 0xff];
    }
}

}  // namespace platform::qt
