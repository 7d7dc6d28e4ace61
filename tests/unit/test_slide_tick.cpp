// The slide tick in list order: selection, path, loading for the fit, counting, sizing Form1, the
// hint for the next picture, and the units that fail without ending the tick but leave their reason.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;

class SlideTick : public ShowTest {
protected:
    SlideTick() { f.state.mPaused = 0; }
};

TEST_F(SlideTick, IndexOutsideTheListStartsOverAtTheFirstEntry)
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

    // Below 0 the very next tick starts over.
    for (const std::int32_t typed : {-3, std::numeric_limits<std::int32_t>::min()}) {
        tick();
        f.state.mFileIndex = typed;
        tick();
        EXPECT_EQ(shownPicture(), "/pics/a.bmp") << typed;
        EXPECT_EQ(f.state.mFileIndex, 1);
    }
}

TEST_F(SlideTick, PathJoinsTheFolderAndTheNameExactlyAsListed)
{
    const struct {
        std::string folder, name, path;
    } rows[] = {
        {"/", "x.bmp", "/x.bmp"},
        {"/my pics ", " x y.JPG ", "/my pics / x y.JPG "},
    };
    for (const auto& row : rows) {
        openFolder(row.folder, {row.name});
        f.state.mFileIndex = 0;
        ui.journal.clear();
        tick();
        EXPECT_THAT(ui.journal.startingWith("Pictures.load"), ElementsAre("Pictures.load " + row.path));
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

    openFolder("/empty", {});
    tick();
    EXPECT_EQ(ui.journal.startingWith("Pictures.prefetch"), hints);
}

TEST_F(SlideTick, UnreadableEntryOrEmptyFolderKeepsThePreviousPictureButCounts)
{
    openFolder("/pics", {"a.bmp", "broken.bmp", "c.bmp"});
    ui.pictures().add("/pics/a.bmp", 9000, 6000);
    tick();
    ui.journal.clear();
    tick();
    EXPECT_EQ(shownPicture(), "/pics/a.bmp");
    EXPECT_THAT(ui.failureLog().entries, ElementsAre("slide tick: cannot read /pics/broken.bmp"));
    EXPECT_EQ(f.state.mFileIndex, 2);
    EXPECT_EQ(f.state.gShownCount, 2);
    EXPECT_EQ(journalAt("Form1.setWidth 9005") + 1, journalAt("Form1.setHeight 6005"));
    EXPECT_LT(journalAt("Form1.setHeight 6005"), journalAt("Form1.show"));

    openFolder("/empty", {});
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ(f.state.mFileIndex, 0);
    EXPECT_EQ(f.state.gShownCount, 3);
    EXPECT_EQ(shownPicture(), "/pics/a.bmp");
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

}  // namespace
