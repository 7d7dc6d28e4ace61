// The memory ledger: a charge reserves before anything is allocated and gives back exactly what it
// holds, once, wherever it was moved; the picture shown keeps its pixels when the next does not fit.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "hostile_files.h"
#include "picture/loading/decode_budget.h"
#include "platform/failure.h"
#include "platform/qt/decoded_picture.h"
#include "platform/qt/qt_picture_loader.h"

namespace {

using platform::Failure;
using platform::qt::BudgetCharge;
using platform::qt::chargedBytes;
using platform::qt::kPictureBudgetBytes;

TEST(MemoryBudget, AChargeHoldsOnlyWhatFitsAndGivesItBackOnceWhereverItMoved)
{
    const std::int64_t before = chargedBytes();
    std::optional<BudgetCharge> most = BudgetCharge::tryReserve(kPictureBudgetBytes - before - 100);
    ASSERT_TRUE(most);
    EXPECT_FALSE(BudgetCharge::tryReserve(101));
    EXPECT_THROW(BudgetCharge::reserve(101, "test"), Failure);
    {
        BudgetCharge moved(std::move(*most));
        most.reset();
        EXPECT_EQ(chargedBytes(), kPictureBudgetBytes - 100);
        BudgetCharge assigned = BudgetCharge::reserve(100, "test");
        assigned = std::move(moved);
        EXPECT_EQ(chargedBytes(), kPictureBudgetBytes - 100);
        assigned.settle(50, "test");
        EXPECT_EQ(chargedBytes(), before + 50);
        EXPECT_THROW(assigned.settle(kPictureBudgetBytes + 1, "test"), Failure);
        EXPECT_EQ(chargedBytes(), before + 50);
    }
    EXPECT_EQ(chargedBytes(), before);
}

// Its pixels are what the picture box paints while the next is decoded.
TEST(MemoryBudget, ThePictureShownKeepsItsPixelsWhileTheNextDoesNotFitBesideIt)
{
    const hostile::Folder folder;
    const QByteArray red = hostile::solid(QSize(64, 64), Qt::red, "BMP");
    platform::qt::QtPictureLoader loader;
    const auto shown = std::dynamic_pointer_cast<const platform::qt::DecodedPicture>(
        loader.load(folder.write("shown.bmp", red), platform::PictureUse::OwnSize));
    ASSERT_TRUE(shown);
    const std::string next = folder.write("next.bmp", red);
    std::optional<BudgetCharge> rest = BudgetCharge::tryReserve(kPictureBudgetBytes - chargedBytes() - 100);
    EXPECT_THROW(loader.load(next, platform::PictureUse::OwnSize), Failure);
    EXPECT_FALSE(shown->atHand().isNull());
    rest.reset();
    EXPECT_NE(loader.load(next, platform::PictureUse::OwnSize), nullptr);
}

}  // namespace
