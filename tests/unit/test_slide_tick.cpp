// The slide tick in list order: selection, path, loading for the fit, counting, sizing Form1, the
// hint for the next picture, and the units that fail without ending the tick but leave their reason.
// In random order: no picture twice within a cycle, the cycle's end stops the show, and no random
// source can make a tick draw for ever.
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gmock/gmock.h>

#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SlideTick : public ShowTest {
protected:
    SlideTick() { f.state.mPaused = 0; }
};

TEST_F(SlideTick, IndexOutsideTheListStartsOverAtTheFirstEntryAndTheCounterAtItsLargestStaysThere)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    openPictures("/pics", {"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"});
    f.state.mFileIndex = 3;
    tick();
    f.state.mFileIndex = 20;  // typed by the user
    tick();
    EXPECT_EQ(shownPicture(), "/pics/d.bmp");  // the selection stays where it was
    EXPECT_EQ(f.state.mFileIndex, 0);
    tick();
    EXPECT_EQ(shownPicture(), "/pics/a.bmp");

    // Below 0 the very next tick starts over.
    for (const std::int32_t typed : {-3, std::numeric_limits<std::int32_t>::min()}) {
        tick();
        f.state.mFileIndex = typed;
        tick();
        EXPECT_EQ(shownPicture(), "/pics/a.bmp") << typed;
        EXPECT_EQ(f.state.mFileIndex, 1);
    }

    // The tick goes on past the counter to size Form1 around b.bmp.
    ui.pictures().add("/pics/b.bmp", 9000, 6000);
    f.state.gShownCount = kMax;
    tick();
    EXPECT_EQ(f.state.gShownCount, kMax);
    EXPECT_EQ(f.state.mFileIndex, 2);
    EXPECT_EQ(f.Me.width(), 9005);
    f.state.mFileIndex = kMax;
    tick();
    EXPECT_EQ(f.state.mFileIndex, 0);  // the increment fails, the wrap still applies
}

TEST_F(SlideTick, PathJoinsTheFolderAndTheNameExactlyAsListed)
{
    for (const auto& [folder, name, path] :
         {std::tuple{"/", "x.bmp", "/x.bmp"}, {"/my pics ", " x y.JPG ", "/my pics / x y.JPG "}}) {
        openPictures(folder, {name});
        f.state.mFileIndex = 0;
        ui.journal.clear();
        tick();
        EXPECT_THAT(ui.journal.startingWith("Pictures.load"), ElementsAre(std::string("Pictures.load ") + path));
    }
}

TEST_F(SlideTick, LoadsForTheFitAndHintsTheNextEntry)
{
    openPictures("/pics", {"a.bmp", "b.jpg", "c.gif"});
    for (int i = 0; i < 3; ++i) {
        f.chkReSize.setValue(i == 2 ? 1 : 0);
        tick();
    }
    const std::vector<std::string> hints = {"Pictures.prefetch /pics/b.jpg", "Pictures.prefetch /pics/c.gif",
                                            "Pictures.prefetch /pics/a.bmp fitted"};
    EXPECT_EQ(ui.journal.startingWith("Pictures.prefetch"), hints);
    EXPECT_EQ(ui.journal.startingWith("Pictures.load").back(), "Pictures.load /pics/c.gif fitted");

    openPictures("/empty", {});
    tick();
    EXPECT_EQ(ui.journal.startingWith("Pictures.prefetch"), hints);
}

TEST_F(SlideTick, UnreadableEntryOrEmptyFolderKeepsThePreviousPictureButCounts)
{
    openPictures("/pics", {"a.bmp", "broken.bmp", "c.bmp"}, 9000, 6000);
    ui.pictures().files_.erase("/pics/broken.bmp");
    tick();
    ui.journal.clear();
    tick();
    EXPECT_EQ(shownPicture(), "/pics/a.bmp");
    EXPECT_THAT(ui.failureLog().entries, ElementsAre("slide tick: cannot read /pics/broken.bmp"));
    EXPECT_EQ(f.state.mFileIndex, 2);
    EXPECT_EQ(f.state.gShownCount, 2);
    EXPECT_EQ(journalAt("Form1.setWidth 9005") + 1, journalAt("Form1.setHeight 6005"));
    EXPECT_LT(journalAt("Form1.setHeight 6005"), journalAt("Form1.show"));

    openPictures("/empty", {});
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ(f.state.mFileIndex, 0);
    EXPECT_EQ(f.state.gShownCount, 3);
    EXPECT_EQ(shownPicture(), "/pics/a.bmp");
}

class RandomCycle : public SlideTick {
protected:
    RandomCycle() { f.chkRandomPictures.setValue(1); }

    // Runs one tick over a cycle that is complete: the show stops, and the desktop hears it.
    void expectTickStops()
    {
        ui.journal.clear();
        ui.session().lastTold.reset();
        tick();
        EXPECT_EQ(ui.session().lastTold, false);
        EXPECT_EQ(f.state.mPaused, 1);
        EXPECT_FALSE(f.Timer1.enabled());
        expectPanel(true);
        EXPECT_THAT(ui.journal.startingWith("Pictures.load"), IsEmpty());
    }
};

TEST_F(RandomCycle, ShowsEachOfThreeFilesOnceThenStopsAndDrawsEachAheadOnTheSameNumbers)
{
    openPictures("/pics", {"a.bmp", "b.jpg", "c.gif"});
    ui.random().script({0.1, 0.1, 0.5, 0.9, 0.1});  // the second tick draws a.bmp again first
    ui.journal.clear();
    f.cmdGo.Click.raise();
    tick();
    tick();
    EXPECT_EQ(f.state.mFileIndex, 0);  // advanced past c.gif and wrapped
    // Each tick names the next one's picture and uses up no number doing so; the cycle's end names none.
    EXPECT_THAT(ui.journal.startingWith("Pictures."),
                ElementsAre("Pictures.load /pics/a.bmp", "Pictures.prefetch /pics/b.jpg", "Pictures.load /pics/b.jpg",
                            "Pictures.prefetch /pics/c.gif", "Pictures.load /pics/c.gif"));
    expectTickStops();

    // The panel, back, names the first picture of the cycle the next Go starts afresh.
    EXPECT_THAT(ui.journal.startingWith("Pictures."), ElementsAre("Pictures.prefetchWhenIdle /pics/a.bmp"));
    f.cmdGo.Click.raise();
    EXPECT_EQ(shownPicture(), "/pics/a.bmp");
}

TEST_F(RandomCycle, ConstantRandomSourceStillReachesEveryPictureNotRecordedWholeAndInTheSameCaseThenEnds)
{
    openPictures("/pics", {"1.jpg", "11.jpg", "A.jpg", "a.jpg"});
    f.state.mShownList = {"11.jpg", "A.jpg"};
    f.state.gShownCount = 2;
    ui.random().script({0.5});  // always A.jpg

    // Once the draws keep hitting shown names, the next unshown entry after the drawn one is taken.
    tick();
    EXPECT_EQ(shownPicture(), "/pics/a.jpg");
    tick();
    EXPECT_EQ(shownPicture(), "/pics/1.jpg");
    EXPECT_EQ(f.state.mShownList.size(), 4u);
    EXPECT_EQ(f.state.gShownCount, 4);
    expectTickStops();

    // Every name recorded while the count lags behind still ends the tick.
    f.state.gShownCount = 0;
    f.state.mPaused = 0;
    f.Timer1.setEnabled(true);
    expectTickStops();
}

TEST_F(RandomCycle, EntriesThatCannotBeShownAreRecordedAsShown)
{
    openPictures("/pics", {"a.bmp", "broken.bmp"});
    ui.pictures().files_.erase("/pics/broken.bmp");
    ui.random().script({0.0, 0.9});
    ui.journal.clear();
    f.cmdGo.Click.raise();
    tick();
    // Named ahead, it costs its tick one failed load and nothing more.
    EXPECT_THAT(ui.journal.startingWith("Pictures."),
                ElementsAre("Pictures.load /pics/a.bmp", "Pictures.prefetch /pics/broken.bmp",
                            "Pictures.load /pics/broken.bmp"));
    EXPECT_EQ(f.state.mShownList, (std::set<std::string>{"a.bmp", "broken.bmp"}));
    EXPECT_EQ(f.state.gShownCount, 2);

    // An empty folder's selection reads as "": Go's tick records it, the next tick stops.
    openPictures("/empty", {});
    f.cmdGo.Click.raise();
    EXPECT_EQ(f.state.mShownList, (std::set<std::string>{""}));
    EXPECT_EQ(f.state.mPaused, 0);
    expectTickStops();
}

}  // namespace
