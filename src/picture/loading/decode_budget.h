// The budgets every decode keeps: the memory all decoded pictures hold at once, and one decode's time.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <QRect>
#include <QSize>

namespace platform::qt {

// Everything decoded that the program holds at once: the shown picture, the one decoded ahead, the
// part the picture box decodes for itself and the display window's painting. One picture at the pixel limit
// fits, with room for a screen's worth beside it.
inline constexpr std::int64_t kPictureBudgetBytes = std::int64_t{320} << 20;

inline std::int64_t pixelBytes(QSize size)
{
    return size.isEmpty() ? 0 : std::int64_t{4} * size.width() * size.height();
}

// A part decoded alone keeps a few columns more than its own: a JPEG's rows start at a whole block, up
// to 31 columns before the part, with one more on each side.
inline std::int64_t partBytes(QSize part)
{
    return part.isEmpty() ? 0 : pixelBytes(QSize(part.width() + 33, part.height()));
}

// Memory reserved for decoded pixels, counted against the budget for as long as the charge lives. A
// charge is reserved before the memory is allocated, so that threads reserving at once never
// overrun the budget together; its holder gives back what it does not use.
class BudgetCharge {
public:
    BudgetCharge() = default;
    ~BudgetCharge();
    BudgetCharge(BudgetCharge&& other) noexcept;
    BudgetCharge& operator=(BudgetCharge&& other) noexcept;
    BudgetCharge(const BudgetCharge&) = delete;
    BudgetCharge& operator=(const BudgetCharge&) = delete;

    // bytes beside everything reserved, or nothing when they do not fit.
    static std::optional<BudgetCharge> tryReserve(std::int64_t bytes);
    // As tryReserve, but throws Failure naming what when the bytes do not fit.
    static BudgetCharge reserve(std::int64_t bytes, const std::string& what);

    std::int64_t bytes() const { return bytes_; }
    // Holds exactly bytes from now on: gives back what it does not use, or reserves the rest,
    // throwing Failure naming what when that does not fit.
    void settle(std::int64_t bytes, const std::string& what);

private:
    explicit BudgetCharge(std::int64_t bytes) : bytes_(bytes) {}

    std::int64_t bytes_ = 0;
};

// What all live charges hold, in bytes.
std::int64_t chargedBytes();

// How long a decode of a picture of natural size may take before it is given up: in proportion to
// its pixels, with a floor for the smallest.
std::chrono::milliseconds decodeTimeBudget(QSize natural);

struct DecodePlan {
    std::int64_t bytes = 0;  // held by the decode once done
    std::chrono::milliseconds time{};
    // At its own size: the part of the picture, in its oriented pixels, that is decoded; empty when
    // the decode covers the whole picture.
    QRect part;
};

// For a picture shown at its own size: the part of it, in its oriented pixels, that will be on the
// screen, from its natural size.
using PartOnScreen = std::function<QRect(QSize natural)>;

// From the file's header alone, before anything is decoded: what a decode of path covering bound
// holds and may take. Throws Failure when the picture cannot be shown at that size (a side beyond a
// window's, more pixels than the limit) or when its header claims far more pixels than its bytes
// can code: a lie that would cost a decode of filler.
DecodePlan planDecode(const std::string& path, QSize bound);

// The same for a picture shown at its own size, of which only the part on the screen is decoded: the
// limits are the part's, not the whole picture's. A header that tells no size plans the whole.
DecodePlan planPartDecode(const std::string& path, const PartOnScreen& partOf);

}  // namespace platform::qt
