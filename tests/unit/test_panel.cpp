// The panel: start-up, Go and the picture it will show first, the speed bar, the option boxes and
// the blackout window they load.
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>

#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;

using Panel = ShowTest;

TEST_F(Panel, StartsWithThePanelCentredToTheHalfTwip)
{
    EXPECT_EQ(f.Me.left(), 1905);  // (12000 - 8190) / 2
    EXPECT_EQ(f.Me.top(), 1717.5f);
}

TEST_F(Panel, GoHidesThePanelAndStartsANewRandomCycleOnlyWhenTheLastOneIsComplete)
{
    openPictures("/pics", {"a.bmp", "b.bmp", "c.bmp"});
    for (const int shownCount : {3, 2}) {
        f.state.mShownList = {"a.bmp"};
        f.state.gShownCount = shownCount;
        f.cmdGo.Click.raise();  // in list order, so the tick that follows only counts
        const bool cleared = shownCount == 3;
        EXPECT_EQ(f.state.mShownList.empty(), cleared);
        EXPECT_EQ(f.state.gShownCount, cleared ? 1 : shownCount + 1);
    }
    expectPanel(false);
}

TEST_F(Panel, WaitingPanelHintsThePictureGoWouldShowFirstAfterEveryChange)
{
    for (const char* folder : {"/more", "/pics"})
        openPictures(folder, {"a.bmp", "b.bmp", "c.bmp"});
    f.chkRandomPictures.setValue(1);
    ui.random().script({0.1, 0.1, 0.5});
    const auto expectHint = [this](const std::string& path) {
        EXPECT_EQ(ui.journal.startingWith("Pictures.prefetchWhenIdle ").back(), "Pictures.prefetchWhenIdle " + path);
    };

    f.cmdGo.Click.raise();
    doubleClick(f.Picture1);
    expectHint("/pics/b.bmp");  // the cycle goes on after a.bmp
    f.Dir1.setPath("/more");
    expectHint("/more/a.bmp");  // a new folder starts a new cycle
    f.cmdGo.Click.raise();
    doubleClick(f.Picture1);
    ui.random().script({0.1});
    f.cmdResetRandomCycle.Click.raise();
    expectHint("/more/a.bmp");  // not reset, the draws would walk on from the shown a.bmp to b.bmp
    f.chkRandomPictures.setValue(0);
    expectHint("/more/b.bmp");  // list order goes on after a.bmp
    f.chkReSize.setValue(1);
    expectHint("/more/b.bmp fitted");
    f.Text1.GotFocus.raise();
    f.Text1.setText("-3");
    expectHint("/more/a.bmp fitted");

    ui.journal.clear();
    f.cmdGo.Click.raise();
    EXPECT_THAT(ui.journal.startingWith("Pictures.load"), ElementsAre("Pictures.load /more/a.bmp fitted"));
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

TEST_F(Panel, CheckingAPlacementBoxClearsTheOtherTwo)
{
    platform::CheckBox* const placement[] = {&f.chkRandomize, &f.chkLowerRight, &f.chkUpperRight};
    for (int pair = 0; pair < 9; ++pair) {
        platform::CheckBox* const second = placement[pair % 3];
        placement[pair / 3]->setValue(1);
        second->setValue(2);  // greyed counts as checked
        for (const platform::CheckBox* box : placement)
            EXPECT_EQ(box->value() != 0, box == second) << pair;
        second->setValue(0);
    }
}

TEST_F(Panel, BlackoutCoversTheScreenBehindForm1AndMeasuresItAgainAfterClearing)
{
    for (const float width : {12000.0f, 16000.0f}) {
        ui.screen().width_ = width;
        f.chkBlackOut.setValue(1);
        EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1", "Form3"));
        EXPECT_THAT((std::vector{f.Form3.left(), f.Form3.top(), f.Form3.width(), f.Form3.height()}),
                    ElementsAre(0, 0, width, 9000));
        EXPECT_FALSE(f.Form3.enabled());

        f.chkBlackOut.setValue(0);
        EXPECT_FALSE(f.Form3.loaded());
    }
}

}  // namespace
