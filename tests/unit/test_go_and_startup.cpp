// Start-up and Go.
#include <gmock/gmock.h>

#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;

using GoAndStartup = ShowTest;

TEST_F(GoAndStartup, StartsHeldWithThePanelCentredToTheHalfTwip)
{
    EXPECT_EQ(f.state.mPaused, 1);
    EXPECT_EQ(f.Me.left(), 1905);  // (12000 - 8190) / 2
    EXPECT_EQ(f.Me.top(), 1717.5f);
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1"));
}

TEST_F(GoAndStartup, GoHidesThePanelAndShowsTheStartPictureAtOnce)
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

TEST_F(GoAndStartup, GoStartsANewRandomCycleOnlyWhenTheLastOneIsComplete)
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

}  // namespace
