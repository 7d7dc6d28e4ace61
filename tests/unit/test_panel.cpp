// The panel: start-up, Go, the speed bar, the option boxes and the blackout window they load.
#include <string>
#include <utility>

#include <gmock/gmock.h>

#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;

using Panel = ShowTest;

TEST_F(Panel, StartsHeldWithThePanelCentredToTheHalfTwip)
{
    EXPECT_EQ(f.state.mPaused, 1);
    EXPECT_EQ(f.Me.left(), 1905);  // (12000 - 8190) / 2
    EXPECT_EQ(f.Me.top(), 1717.5f);
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1"));
}

TEST_F(Panel, GoHidesThePanelAndShowsTheStartPictureAtOnce)
{
    openPictures("/pics", {"a.bmp", "b.bmp", "c.bmp"});
    f.state.mFileIndex = 2;
    f.Timer1.setEnabled(false);
    ui.journal.clear();

    f.cmdGo.Click.raise();

    expectPanel(false);
    EXPECT_TRUE(f.Picture1.visible());
    EXPECT_EQ(f.state.mPaused, 0);
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_THAT(ui.journal.startingWith("Pictures.load"), ElementsAre("Pictures.load /pics/c.bmp"));
}

TEST_F(Panel, GoStartsANewRandomCycleOnlyWhenTheLastOneIsComplete)
{
    openPictures("/pics", {"a.bmp", "b.bmp", "c.bmp"});
    for (const int shownCount : {3, 2}) {
        f.state.mShownList = {"a.bmp"};
        f.state.gShownCount = shownCount;
        f.cmdGo.Click.raise();  // in list order, so the tick only counts
        const bool cleared = shownCount == 3;
        EXPECT_EQ(f.state.mShownList.empty(), cleared);
        EXPECT_EQ(f.state.gShownCount, cleared ? 1 : shownCount + 1);
    }
}

TEST_F(Panel, SpeedBarSetsTheIntervalAndSaysItInWholeSeconds)
{
    for (const auto& [value, seconds] : {std::pair{500, " 0"}, {1999, " 1"}, {20000, " 20"}}) {
        f.HScroll1.setValue(value);
        EXPECT_EQ(f.Timer1.interval(), value);
        EXPECT_EQ(f.Label1.caption(), std::string("<--------------Slower    SPEED, ") + seconds +
                                          "Sec  Faster ----------------->");
    }
}

TEST_F(Panel, CheckingAPlacementBoxClearsTheOtherTwoAndNothingElse)
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

TEST_F(Panel, BlackoutCoversTheScreenBehindForm1AndMeasuresItAgainAfterClearing)
{
    for (const float width : {12000.0f, 16000.0f}) {
        ui.screen().width_ = width;
        f.chkBlackOut.setValue(1);
        EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1", "Form3"));
        EXPECT_EQ(f.Form3.left(), 0);
        EXPECT_EQ(f.Form3.top(), 0);
        EXPECT_EQ(f.Form3.width(), width);
        EXPECT_EQ(f.Form3.height(), 9000);
        EXPECT_FALSE(f.Form3.enabled());

        f.chkBlackOut.setValue(0);
        EXPECT_FALSE(f.Form3.loaded());
    }
}

}  // namespace
