// Clicks, double clicks and keys on the two picture surfaces: pause, resume and stop, and what the
// desktop is told after each: a show runs only while pictures change with the panel away.
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gmock/gmock.h>

#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

class PauseResumeStop : public ShowTest {
protected:
    PauseResumeStop() { openPictures("/pics", {"a.bmp", "b.bmp", "c.bmp"}); }

    // Runs the user's events in order; each must tell the session whether a show now runs.
    void expectSteps(const std::vector<std::pair<std::function<void()>, bool>>& steps)
    {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            ui.session().lastTold.reset();
            steps[i].first();
            EXPECT_EQ(ui.session().lastTold, steps[i].second) << "step " << i;
        }
    }
};

TEST_F(PauseResumeStop, ClickOnThePictureHidesThePanelAndADoubleClickStopsRunningOrPausedShows)
{
    f.Picture1.Click.raise();  // before Go: starts the show without it
    expectPanel(false);
    EXPECT_TRUE(f.Picture1.visible());

    // The double click's own click toggles the pause first.
    for (const bool pausedFirst : {false, true}) {
        if (pausedFirst)
            f.Picture1.Click.raise();
        doubleClick(f.Picture1);
        EXPECT_EQ(f.state.mPaused, 1);
        EXPECT_TRUE(f.Timer1.enabled());
        expectPanel(true);
        f.cmdGo.Click.raise();
    }
}

TEST_F(PauseResumeStop, SpaceOnEitherSurfaceIsAClickAndEscADoubleClickThatOnForm2BringsBackForm1)
{
    using platform::Key;
    f.cmdGo.Click.raise();
    f.Picture1.KeyPress.raise(Key::Space);
    EXPECT_EQ(f.state.mPaused, 1);
    f.Picture1.KeyPress.raise(Key::Escape);
    expectPanel(true);

    // On Form2 the timer itself pauses, and the stop leaves the pause flag alone.
    f.chkReSize.setValue(1);
    f.cmdGo.Click.raise();
    f.Form2.KeyPress.raise(Key::Space);
    EXPECT_FALSE(f.Timer1.enabled());
    f.Form2.KeyPress.raise(Key::Space);
    EXPECT_TRUE(f.Timer1.enabled());
    ui.journal.clear();
    f.Form2.KeyPress.raise(Key::Escape);
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_EQ(f.state.mPaused, 0);
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1"));
    EXPECT_EQ(f.Text1.text(), "File  1 OF  3");
    expectPanel(true);
    EXPECT_LT(journalAt("Form1.show"), journalAt("Form2.hide"));
}

// Where a desktop puts the black in front of the program, Esc on it stops a show on either surface
// as Esc on the picture does, and brings the panel in front whether a show ran or not.
TEST_F(PauseResumeStop, EscOnTheBlackStopsTheShowAndBringsThePanelInFront)
{
    f.chkBlackOut.setValue(1);
    for (const int step : {0, 1, 2}) {
        f.chkReSize.setValue(step == 2);
        if (step > 0)
            f.cmdGo.Click.raise();
        ui.window("Form3").show();
        f.Form3.KeyPress.raise(platform::Key::Escape);
        EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1", "Form3")) << "step " << step;
        expectPanel(true);
        EXPECT_EQ(ui.session().lastTold, false) << "step " << step;
    }
}

TEST_F(PauseResumeStop, PositionTextCountsShownPicturesOrGivesTheSelection)
{
    openPictures("/twelve", std::vector<std::string>(12, "x.bmp"));
    f.state.gShownCount = 3;
    for (const auto& [random, selected, text] :
         {std::tuple{1, 7, "File  3 OF  12"}, {0, 4, "File  4 OF  12"}, {0, -1, "File -1 OF  12"}}) {
        f.chkRandomPictures.setValue(random);
        f.File1.setListIndex(selected);
        doubleClick(f.Picture1);
        EXPECT_EQ(f.Text1.text(), text);
    }
}

// On the 12000 x 9000 twips screen the 8175 x 5535 panel fits from 0 to 3825 across and 3465 down.
TEST_F(PauseResumeStop, BothDoubleClicksGrowForm1ToThePanelAndMoveItOnlyToBringThePanelOnScreen)
{
    const struct {
        float left, top, width, height, newLeft, newTop, newWidth, newHeight, pictureWidth, pictureHeight;
    } rows[] = {
        {-24000, -18000, 9000, 4000, 0, 0, 9000, 5535, 8995, 5535},  // four times the screen, centred
        {7000, 6000, 8175, 5535, 3825, 3465, 8175, 5535, 8170, 5530},  // small, at the lower right
        {3825, 0, 8174.5f, 9000, 3825, 0, 8175, 9000, 8175, 8995},
        {100.5f, 3465, 8175, 5535, 100.5f, 3465, 8175, 5535, 8170, 5530},
    };
    for (const bool onForm2 : {false, true}) {
        for (const auto& row : rows) {
            f.Me.setLeft(row.left);
            f.Me.setTop(row.top);
            f.Me.setWidth(row.width);
            f.Me.setHeight(row.height);
            f.Picture1.setWidth(row.width - 5);
            f.Picture1.setHeight(row.height - 5);
            ui.journal.clear();
            onForm2 ? doubleClick(f.Form2) : doubleClick(f.Picture1);
            EXPECT_EQ((std::vector{f.Me.left(), f.Me.top(), f.Me.width(), f.Me.height()}),
                      (std::vector{row.newLeft, row.newTop, row.newWidth, row.newHeight}));
            EXPECT_EQ(f.Picture1.width(), row.pictureWidth);
            EXPECT_EQ(f.Picture1.height(), row.pictureHeight);
            EXPECT_EQ(ui.journal.startingWith("Form1.setLeft").empty(), row.left == row.newLeft);
            EXPECT_EQ(ui.journal.startingWith("Form1.setTop").empty(), row.top == row.newTop);
        }
    }
}

TEST_F(PauseResumeStop, RandomCycleEndingOnForm2LeavesTheLastPictureThere)
{
    openPictures("/one", {"only.bmp"});
    f.chkReSize.setValue(1);
    f.chkRandomPictures.setValue(1);
    f.cmdGo.Click.raise();
    tick();
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form2"));
    EXPECT_THAT(ui.journal.startingWith("Form2.paintPicture"),
                ElementsAre(StartsWith("Form2.paintPicture /one/only.bmp ")));

    // Switching the timer back on brings no picture while the pause flag holds, only the hint of
    // the picture Go would show first.
    f.Form2.Click.raise();
    ui.journal.clear();
    tick();
    EXPECT_THAT(ui.journal, ElementsAre("Pictures.prefetchWhenIdle /one/only.bmp fitted"));
    EXPECT_TRUE(f.Timer1.enabled());

    doubleClick(f.Form2);
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1"));
}

TEST_F(PauseResumeStop, EachEventTellsTheDesktopWhetherAShowRuns)
{
    const std::function<void()> go = [this] { f.cmdGo.Click.raise(); };
    const std::function<void()> click = [this] { f.Picture1.Click.raise(); };
    const std::function<void()> stop = [this] { doubleClick(f.Picture1); };
    const std::function<void()> form2Click = [this] { f.Form2.Click.raise(); };
    const std::function<void()> form2Stop = [this] { doubleClick(f.Form2); };
    const std::function<void()> interval = [this] { tick(); };
    EXPECT_EQ(ui.session().lastTold, false);
    // A click on the panel's ground before Go starts the show on the timer that already runs.
    expectSteps({{click, true}, {interval, true}, {stop, false}, {go, true}, {click, false}, {interval, false},
                 {click, true}, {stop, false}});
    // After a stop on the display window the timer is off: a click that hides the panel runs nothing.
    expectSteps({{go, true}, {form2Click, false}, {form2Click, true}, {form2Stop, false}, {click, false}, {go, true}});
}

}  // namespace
