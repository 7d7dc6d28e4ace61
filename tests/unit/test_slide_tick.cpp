// The slide tick in list order: selection, path, loading, counting, sizing Form1, and the units
// that fail without ending the tick.
#include <cstdint>
#include <limits>
#include <string>
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

TEST_F(SlideTick, ShowsTheEntriesInListOrderAndStartsOverAtTheEnd)
{
    openPictures("/pics", {"a.bmp", "b.jpg", "c.gif", "d.bmp", "e.jpg"}, 9000, 6000);
    std::vector<std::string> shown;
    for (int i = 0; i < 7; ++i) {
        tick();
        shown.push_back(shownPicture());
    }
    EXPECT_THAT(shown, ElementsAre("/pics/a.bmp", "/pics/b.jpg", "/pics/c.gif", "/pics/d.bmp", "/pics/e.jpg",
                                   "/pics/a.bmp", "/pics/b.jpg"));
    EXPECT_EQ(f.state.mFileIndex, 2);
    EXPECT_EQ(f.state.gShownCount, 7);
    EXPECT_EQ(f.Me.width(), 9005);
    EXPECT_EQ(f.Me.height(), 6005);
    EXPECT_TRUE(f.Me.visible());
}

TEST_F(SlideTick, IndexBeyondTheListStartsOverAtTheFirstEntry)
{
    openPictures("/pics", {"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"});
    f.state.mFileIndex = 3;
    tick();
    f.state.mFileIndex = 20;  // typed by the user
    tick();
    EXPECT_EQ(shownPicture(), "/pics/d.bmp");  // the selection stays where it was
    EXPECT_EQ(f.state.mFileIndex, 0);
    tick();
    EXPECT_EQ(shownPicture(), "/pics/a.bmp");
}

TEST_F(SlideTick, PathJoinsTheFolderAndTheNameExactlyAsListed)
{
    const struct {
        std::string folder, name, path;
    } rows[] = {
        {"/", "x.bmp", "/x.bmp"},
        {"/pics", "x.bmp", "/pics/x.bmp"},
        {"/my pics ", " x y.JPG ", "/my pics / x y.JPG "},
        {"/pics/deeper", "x.bmp", "/pics/deeper/x.bmp"},
    };
    for (const auto& row : rows) {
        openFolder(row.folder, {row.name});
        f.state.mFileIndex = 0;
        ui.journal.clear();
        tick();
        EXPECT_THAT(ui.journal.startingWith("Pictures.load"), ElementsAre("Pictures.load " + row.path));
    }
}

TEST_F(SlideTick, PausedTickTouchesNothing)
{
    openPictures("/pics", {"a.bmp", "b.bmp"});
    f.chkRandomPictures.setValue(1);
    tick();
    const state::ShowState before = f.state;
    f.state.mPaused = 1;
    ui.journal.clear();

    tick();

    EXPECT_THAT(ui.journal.entries(), IsEmpty());
    EXPECT_EQ(f.state.mFileIndex, before.mFileIndex);
    EXPECT_EQ(f.state.gShownCount, before.gShownCount);
    EXPECT_EQ(f.state.mShownList, before.mShownList);
}

TEST_F(SlideTick, UnreadableEntryKeepsThePreviousPictureButCounts)
{
    openFolder("/pics", {"a.bmp", "broken.bmp", "c.bmp"});
    ui.pictures().add("/pics/a.bmp", 9000, 6000);
    tick();
    ui.journal.clear();
    tick();
    EXPECT_EQ(shownPicture(), "/pics/a.bmp");
    EXPECT_EQ(f.state.mFileIndex, 2);
    EXPECT_EQ(f.state.gShownCount, 2);
    EXPECT_EQ(journalAt("Form1.setWidth 9005") + 1, journalAt("Form1.setHeight 6005"));
    EXPECT_LT(journalAt("Form1.setHeight 6005"), journalAt("Form1.show"));
}

TEST_F(SlideTick, FailingFormWidthLeavesTheRestOfTheTick)
{
    openPictures("/pics", {"a.bmp"}, 9000, 6000);
    ui.window("Form1").failOn("setWidth");
    tick();
    EXPECT_EQ(f.Me.width(), 8190);
    EXPECT_EQ(f.Me.height(), 6005);
    EXPECT_TRUE(f.Me.visible());
    EXPECT_EQ(f.Me.left(), 1905);  // centred on its unchanged width
    EXPECT_EQ(f.Me.top(), 1497.5f);
}

TEST_F(SlideTick, CounterAtTheLargestValueStaysThereAndTheTickGoesOn)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    openPictures("/pics", {"a.bmp", "b.bmp"}, 9000, 6000);
    f.state.gShownCount = kMax;
    tick();
    EXPECT_EQ(f.state.gShownCount, kMax);
    EXPECT_EQ(f.state.mFileIndex, 1);
    EXPECT_EQ(f.Me.width(), 9005);

    f.state.mFileIndex = kMax;
    tick();
    EXPECT_EQ(f.state.mFileIndex, 0);  // the increment fails, the wrap still applies
    EXPECT_EQ(shownPicture(), "/pics/a.bmp");
}

TEST_F(SlideTick, EmptyFolderInListOrderKeepsTicking)
{
    openFolder("/empty", {});
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ(f.state.mFileIndex, 0);
    EXPECT_EQ(f.state.gShownCount, 3);
    EXPECT_EQ(shownPicture(), "");
    EXPECT_TRUE(f.Timer1.enabled());
}

}  // namespace
