// The speed bar and the rules among the option boxes.
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "show_fixture.h"

namespace {

using SpeedAndOptions = ShowTest;

TEST_F(SpeedAndOptions, SpeedBarSetsTheIntervalAndSaysItInWholeSeconds)
{
    for (const auto& [value, seconds] : {std::pair{500, " 0"}, {1999, " 1"}, {20000, " 20"}}) {
        f.HScroll1.setValue(value);
        EXPECT_EQ(f.Timer1.interval(), value);
        EXPECT_EQ(f.Label1.caption(), std::string("<--------------Slower    SPEED, ") + seconds +
                                          "Sec  Faster ----------------->");
    }
}

TEST_F(SpeedAndOptions, CheckingAPlacementBoxClearsTheOtherTwoAndNothingElse)
{
    platform::CheckBox* const placement[] = {&f.chkRandomize, &f.chkLowerRight, &f.chkUpperRight};
    const auto expectOnly = [&](const platform::CheckBox* checked) {
        for (const platform::CheckBox* box : placement)
            EXPECT_EQ(box->value() != 0, box == checked);
        EXPECT_EQ(f.chkRandomPictures.value(), 1);
        EXPECT_EQ(f.chkReSize.value(), 1);
    };
    f.chkRandomPictures.setValue(1);
    f.chkReSize.setValue(1);
    for (int pair = 0; pair < 9; ++pair) {
        SCOPED_TRACE(pair);
        platform::CheckBox* const second = placement[pair % 3];
        placement[pair / 3]->setValue(1);
        second->setValue(2);  // greyed counts as checked
        expectOnly(second);
        second->setValue(0);
        expectOnly(nullptr);
    }
}

}  // namespace
