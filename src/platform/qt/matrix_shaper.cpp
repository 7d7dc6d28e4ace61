// Converting 8-bit pixels between two RGB profiles made of three curves and a matrix, the fast way.
#include "platform/qt/matrix_shaper.h"

#include <lcms2.h>

#include <algorithm>
#include <cmath>

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

double unit(double value)
{
    return std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 0.0;
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
            // Kept within two either way, a field never leaves its bits.
            if (!(std::abs(matrix[row * 3 + column]) < 2))
                return nullptr;
        }
    }
    auto shaper = std::unique_ptr<MatrixShaper>(new MatrixShaper);
    for (int c = 0; c < 3; ++c) {
        const auto* in = static_cast<const cmsToneCurve*>(cmsReadTag(source, kCurves[c]));
        const auto* out = static_cast<const cmsToneCurve*>(cmsReadTag(destination, kCurves[c]));
        const std::unique_ptr<cmsToneCurve, decltype(&cmsFreeToneCurve)> reversed(
            out ? cmsReverseToneCurve(out) : nullptr, &cmsFreeToneCurve);
        if (!in || !reversed)
            return nullptr;
        for (int value = 0; value < 256; ++value) {
            const double light = unit(cmsEvalToneCurveFloat(in, static_cast<cmsFloat32Number>(value / 255.0))) * kOne;
            std::uint64_t fields = 0;
            for (int o = 0; o < 3; ++o)
                fields |= static_cast<std::uint64_t>(std::lround(matrix[o * 3 + c] * light) + kRaise)
                          << (kFieldBits * (2 - o));
            shaper->gives_[c][value] = fields;
        }
        std::vector<std::uint8_t>& encoded = shaper->encoded_[c];
        encoded.resize(kOne + 1);
        for (int light = 0; light <= kOne; ++light) {
            const double value = cmsEvalToneCurveFloat(reversed.get(), static_cast<cmsFloat32Number>(light) / kOne);
            encoded[light] = static_cast<std::uint8_t>(std::lround(unit(value) * 255));
        }
    }
    return shaper;
}

void MatrixShaper::convert(std::uint32_t* pixels, std::size_t count) const
{
    const auto& [red, green, blue] = gives_;
    const auto encode = [](std::uint64_t fields, int channel, const std::vector<std::uint8_t>& encoded) {
        const auto field = static_cast<int>((fields >> (kFieldBits * (2 - channel))) & ((1u << kFieldBits) - 1));
        return std::uint32_t{encoded[static_cast<std::size_t>(std::clamp(field - 3 * kRaise, 0, kOne))]};
    };
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pixel = pixels[i];
        const std::uint64_t light = red[(pixel >> 16) & 0xff] + green[(pixel >> 8) & 0xff] + blue[pixel & 0xff];
        pixels[i] = (pixel & 0xff000000u) | encode(light, 0, encoded_[0]) << 16 | encode(light, 1, encoded_[1]) << 8 |
                    encode(light, 2, encoded_[2]);
    }
}

}  // namespace platform::qt
