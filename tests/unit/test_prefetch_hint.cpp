// The slide tick's hint to the picture loader: the entry the next tick shows, in list order only.
#include <gmock/gmock.h>

#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class PrefetchHint : public ShowTest {
protected:
    PrefetchHint() { f.state.mPaused = 0; }
    const std::vector<std::string>& hints() { return ui.pictures().prefetched; }
};

TEST_F(PrefetchHint, ListOrderHintsTheNextEntryAndTheFirstAfterTheLast)
{
    openPictures("/pics", {"a.bmp", "b.jpg", "c.gif"});
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_THAT(hints(), ElementsAre("/pics/b.jpg", "/pics/c.gif", "/pics/a.bmp"));

    openPictures("/", {"x.bmp", "y.bmp"});
    f.state.mFileIndex = 0;
    tick();
    EXPECT_EQ(hints().back(), "/y.bmp");
}

TEST_F(PrefetchHint, RandomOrderAndAnEmptyListHintNothing)
{
    openPictures("/pics", {"a.bmp", "b.jpg", "c.gif"});
    f.chkRandomPictures.setValue(1);
    ui.random().script({0.5, 0.1, 0.9});
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ(f.state.gShownCount, 3);

    f.chkRandomPictures.setValue(0);
    openFolder("/empty", {});
    tick();
    EXPECT_THAT(hints(), IsEmpty());
}

}  // namespace
