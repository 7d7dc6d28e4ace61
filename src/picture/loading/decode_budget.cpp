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

std::optional<BudgetCharge> BudgetCharge::tryReserve(std::int64_t bytes)
{
    if (bytes < 0)
        return std::nullopt;
    std::int64_t before = charged.load();
    do {
        if (before + bytes > kPictureBudgetBytes)
            return std::nullopt;
    } while (!charged.compare_exchange_weak(before, before + bytes));
    return BudgetCharge(bytes);
}

BudgetCharge BudgetCharge::reserve(std::int64_t bytes, const std::string& what)
{
    std::optional<BudgetCharge> charge = tryReserve(bytes);
    if (!charge)
        throw Failure("beyond the memory budget: " + what);
    return std::move(*charge);
}

void BudgetCharge::settle(std::int64_t bytes, const std::string& what)
{
    if (bytes > bytes_) {
        BudgetCharge more = reserve(bytes - bytes_, what);
        bytes_ += std::exchange(more.bytes_, 0);
        return;
    }
    charged -= bytes_ - bytes;
    bytes_ = bytes;
}

std::int64_t chargedBytes()
{
    return charged.load();
}

std::chrono::milliseconds decodeTimeBudget(QSize natural)
{
    // Generous beside a decode's real cost, some 10 ms a megapixel: only a runaway reaches it.
    const std::int64_t megapixels = natural.isEmpty() ? 0 : std::int64_t{natural.width()} * natural.height() >> 20;
    return std::chrono::milliseconds(2000 + 50 * megapixels);
}

namespace {

void refuseLyingHeader(const PictureHeader& header, const std::string& path)
{
    const std::int64_t claimed = std::int64_t{header.natural.width()} * header.natural.height();
    if (claimed / kMaxPixelsPerByte > header.fileBytes)
        throw Failure("picture claims more pixels than its file holds: " + path);
}

}  // namespace

DecodePlan planDecode(const std::string& path, QSize bound)
{
    const PictureHeader header = readHeader(path);
    // A header that tells no size is left to the decode, which refuses the file or finds its size.
    if (header.natural.isEmpty())
        return {0, decodeTimeBudget({}), {}};
    const QSize decoded = coverSize(header.natural, bound);
    refuseBeyondLimits(decoded, decoded, path);
    refuseLyingHeader(header, path);
    return {pixelBytes(decoded), decodeTimeBudget(header.natural), {}};
}

DecodePlan planPartDecode(const std::string& path, const PartOnScreen& partOf)
{
    const PictureHeader header = readHeader(path);
    if (header.natural.isEmpty())
        return {0, decodeTimeBudget({}), {}};
    refuseLyingHeader(header, path);
    // A window wholly off the screens still shows its picture's corner once it is moved: one pixel.
    QRect part = partOf(header.natural).intersected(QRect(QPoint(), header.natural));
    if (part.isEmpty())
        part = QRect(0, 0, 1, 1);
    refuseBeyondLimits(part.size(), part.size(), path);
    // A picture wholly on the screen is decoded whole, as any other; a part still reads every stored
    // pixel before its last row.
    if (part == QRect(QPoint(), header.natural))
        part = QRect();
    return {partBytes(part.size()), decodeTimeBudget(header.natural), part};
}

}  // namespace platform::qt
