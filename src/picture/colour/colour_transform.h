// One conversion of 8-bit colours between two profiles, row by row.
#pragma once

#include <memory>

#include <QtGlobal>

namespace platform::qt {

class MatrixShaper;

// A conversion of 8-bit colours from one profile to another, usable from several threads at once.
class ColourTransform {
public:
    // None: no conversion could be made between the two profiles.
    ColourTransform() = default;
    static ColourTransform byShaper(std::shared_ptr<const MatrixShaper> shaper);
    // A Little CMS transform, from grey or colour pixels.
    static ColourTransform byLittleCms(bool grey, std::shared_ptr<void> handle);

    bool usable() const { return shaper_ || handle_; }
    // False also for a usable conversion between two profiles of the same colours.
    bool converts() const;
    bool fromGrey() const { return grey_; }
    // Converts rows of 0xAARRGGBB words, alpha kept, or for a grey source rows of one byte a pixel
    // into the colour bytes of words whose alpha is already set. In may be out.
    void convertRows(const uchar* in, qsizetype inLine, uchar* out, qsizetype outLine, int width, int rows) const;

private:
    bool grey_ = false;
    std::shared_ptr<const MatrixShaper> shaper_;  // for a pair of curves-and-matrix profiles
    std::shared_ptr<void> handle_;                // Little CMS's, for any other pair
};

}  // namespace platform::qt
