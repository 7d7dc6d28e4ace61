// The budgets every decode keeps: the memory all decoded pictures hold at once, and one decode's time.
#include "picture/loading/decode_budget.h"

#include <atomic>
#include <utility>

#include "picture/decode/picture_decoding.h"
#include "picture/decode/picture_limits.h"
#include "platform/failure.h"

namespace platform::qt {

namespace {

std::atomic<std::int64_t> charged{0};

}  // namespace

BudgetCharge::BudgetCharge(std::int64_t bytes) : bytes_(bytes)
{
    charged += bytes_;
}

BudgetCharge::~BudgetCharge()
{
    charged -= bytes_;
}

BudgetCharge::BudgetCharge(BudgetCharge&& other) noexcept : bytes_(std::exchange(other.bytes_, 0)) {}

BudgetCharge& BudgetCharge::operator=(BudgetCharge&& other) noexcept
{
    if (this != &other) {
        charged -= bytes_;
        bytes_ = std::exchange(other.bytes_, 0);
    }
    return *this;
}

std::int64_t chargedBytes()
{
    return charged.load();
}

bool fitsBudget(std::int64_t bytes)
{
    return chargedBytes() + bytes <= kPictureBudgetBytes;
}

std::chrono::milliseconds decodeTimeBudget(QSize natural)
{
    // Generous beside a decode's real cost, some 10 ms a megapixel: only a runaway reaches it.
    const std::int64_t megapixels = natural.isEmpty() ? 0 : std::int64_t{natural.width()} * natural.height() >> 20;
    return std::chrono::milliseconds(2000 + 50 * megapixels);
}

DecodePlan planDecode(const std::string& path, QSize bound)
{
    const PictureHeader header = readHeader(path);
    // A header that tells no size is left to the decode, which refuses the file or finds its size.
    if (header.natural.isEmpty())
        return {0, decodeTimeBudget({})};
    const QSize decoded = coverSize(header.natural, bound);
    refuseBeyondLimits(decoded, decoded, path);
    const std::int64_t claimed = std::int64_t{header.natural.width()} * header.natural.height();
    if (claimed / kMaxPixelsPerByte > header.fileBytes)
        throw Failure("picture claims more pixels than its file holds: " + path);
    return {pixelBytes(decoded), decodeTimeBudget(header.natural)};
}

}  // namespace platform::qt
