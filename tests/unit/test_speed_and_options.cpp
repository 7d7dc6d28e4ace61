// The speed bar and the rules among the option boxes.
#include <string>

#include <gtest/gtest.h>

#include "show_fixture.h"

namespace {

using SpeedAndOptions = ShowTest;

TEST_F(SpeedAndOptions, SpeedBarSetsTheIntervalAndSaysItInWholeSeconds)
{
    const struct {
        int value;
        std::string seconds;
    } rows[] = {{500, " 0"}, {1999, " 1"}, {20000, " 20"}};
    for (const auto& row : rows) {
        f.HScroll1.setValue(row.value);
        EXPECT_EQ(f.Timer1.interval(), row.value);
        EXPECT_EQ(f.Label1.caption(),
                  "<--------------Slower    SPEED, " + row.seconds + "Sec  Faster ----------------->");
    }
}

TEST_F(SpeedAndOptions, CheckingAPlacementBoxClearsTheOtherTwoAndNothingElse)
{
    fake::FakeCheckBox* const placement[] = {&ui.checkBox("chkRandomize"), &ui.checkBox("chkLowerRight"),
                                             &ui.checkBox("chkUpperRight")};
    const auto expectOnly = [&](const fake::FakeCheckBox* checked) {
        for (const fake::FakeCheckBox* box : placement)
            EXPECT_EQ(box->value() != 0, box == checked) << box->name();
        EXPECT_EQ(f.chkRandomPictures.value(), 1);
        EXPECT_EQ(f.chkReSize.value(), 1);
    };
    f.chkRandomPictures.setValue(1);
    f.chkReSize.setValue(1);
    for (fake::FakeCheckBox* first : placement) {
        for (fake::FakeCheckBox* second : placement) {
            SCOPED_TRACE(first->name() + " then " + second->name());
            first->setValue(1);
            second->setValue(2);  // greyed counts as checked
            expectOnly(second);
            second->setValue(0);
            expectOnly(nullptr);
        }
    }
}

}  // namespace
