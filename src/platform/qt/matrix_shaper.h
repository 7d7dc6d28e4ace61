// Converting 8-bit pixels between two RGB profiles made of three curves and a matrix, the fast way.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform::qt {

// Most photos' profiles (sRGB, Adobe RGB, Display P3, cameras') and most screens' are three tone
// curves and a matrix. Between two such profiles a pixel's light is a sum of what each of its three
// channels gives, looked up in fixed point, then encoded by three more look-ups: the arithmetic
// Little CMS uses for such a pair, without its general machinery, several times faster.
class MatrixShaper {
public:
    // The conversion between two open Little CMS profiles, or null when either is not made of
    // curves and a matrix alone, or when the matrix between them is too steep for fixed point.
    static std::unique_ptr<const MatrixShaper> between(void* source, void* destination);

    // Converts count 0xAARRGGBB words in place; alpha is kept.
    void convert(std::uint32_t* pixels, std::size_t count) const;

private:
    static constexpr int kOne = 1 << 14;  // white's light
    // What an input channel's 8-bit value gives the light of each output channel, packed in one
    // word as three fields of kFieldBits, each raised by kRaise so that no field goes below zero.
    static constexpr int kFieldBits = 21;
    static constexpr int kRaise = 2 * kOne;

    std::array<std::array<std::uint64_t, 256>, 3> gives_{};
    std::array<std::vector<std::uint8_t>, 3> encoded_;  // light 0..kOne to an 8-bit value
};

}  // namespace platform::qt
