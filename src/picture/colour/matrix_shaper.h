// Converting 8-bit pixels between two RGB profiles made of three curves and a matrix, the fast way.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform::qt {

// Most photos' profiles (sRGB, Adobe RGB, Display P3, cameras') and most screens' are three tone
// curves and a matrix. Between two such profiles a pixel's light is the sum of what each of its
// channels gives, looked up in fixed point, then encoded by a second look-up: Little CMS's own
// arithmetic for such a pair, to the rounding, without its general machinery.
class MatrixShaper {
public:
    // The conversion between two open Little CMS profiles, or null where Little CMS would do more
    // than this: tables in place of the curves, black points to bring together, curves beyond
    // white, a matrix too steep for fixed point.
    static std::unique_ptr<const MatrixShaper> between(void* source, void* destination);

    // True when the two profiles describe the same colours, as an sRGB picture on an sRGB screen.
    bool changesNothing() const { return changesNothing_; }
    // Converts count 0xAARRGGBB words in place; alpha is kept.
    void convert(std::uint32_t* pixels, std::size_t count) const;

private:
    static constexpr int kOne = 1 << 14;  // white's light

    void convertByMatrix(std::uint32_t* pixels, std::size_t count) const;
    void convertByCurves(std::uint32_t* pixels, std::size_t count) const;

    bool changesNothing_ = false;
    // With the same primaries on both sides the matrix is left out, as Little CMS does: each
    // channel's value goes through its own curve and the other side's.
    bool curvesOnly_ = false;
    std::array<std::array<std::uint8_t, 256>, 3> curves_{};
    // What an input channel's value gives the light of each output channel, in units of 1 / kOne².
    std::array<std::array<std::array<std::int32_t, 4>, 256>, 3> gives_{};
    std::array<std::array<std::uint8_t, kOne + 1>, 3> encoded_{};  // light to an 8-bit value
};

}  // namespace platform::qt
