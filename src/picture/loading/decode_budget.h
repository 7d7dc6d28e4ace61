// The budgets every decode keeps: the memory all decoded pictures hold at once, and one decode's time.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include <QSize>

namespace platform::qt {

// Everything decoded that the program holds at once: the shown picture, the one decoded ahead, the
// picture box's whole picture and the display window's painting. One picture at the pixel limit
// fits, with room for a screen's worth beside it.
inline constexpr std::int64_t kPictureBudgetBytes = std::int64_t{320} << 20;

inline std::int64_t pixelBytes(QSize size)
{
    return size.isEmpty() ? 0 : std::int64_t{4} * size.width() * size.height();
}

// Memory held for decoded pixels, counted against the budget for as long as the charge lives.
class BudgetCharge {
public:
    BudgetCharge() = default;
    explicit BudgetCharge(std::int64_t bytes);
    ~BudgetCharge();
    BudgetCharge(BudgetCharge&& other) noexcept;
    BudgetCharge& operator=(BudgetCharge&& other) noexcept;
    BudgetCharge(const BudgetCharge&) = delete;
    BudgetCharge& operator=(const BudgetCharge&) = delete;

private:
    std::int64_t bytes_ = 0;
};

// What all live charges hold, in bytes.
std::int64_t chargedBytes();

// Whether bytes more still fit the budget beside what is charged.
bool fitsBudget(std::int64_t bytes);

// How long a decode of a picture of natural size may take before it is given up: in proportion to
// its pixels, with a floor for the smallest.
std::chrono::milliseconds decodeTimeBudget(QSize natural);

struct DecodePlan {
    std::int64_t bytes = 0;  // held by the decode once done
    std::chrono::milliseconds time{};
};

// From the file's header alone, before anything is decoded: what a decode of path covering bound
// holds and may take. Throws Failure when the picture cannot be shown at that size (a side beyond a
// window's, more pixels than the limit) or when its header claims far more pixels than its bytes
// can code: a lie that would cost a decode of filler.
DecodePlan planDecode(const std::string& path, QSize bound);

}  // namespace platform::qt
