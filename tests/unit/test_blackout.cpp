// The blackout window: loaded screen-sized and disabled behind Form1, unloaded when cleared.
#include <gmock/gmock.h>

#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;

using Blackout = ShowTest;

TEST_F(Blackout, CheckingCoversTheScreenBehindForm1)
{
    f.chkBlackOut.setValue(1);

    EXPECT_THAT(ui.journal.entries(),
                ElementsAre("chkBlackOut.setValue 1", "Form3.load", "Form3.setTop 0", "Form3.setLeft 0",
                            "Form3.setWidth 12000", "Form3.setHeight 9000", "Form3.show", "Form3.setEnabled false",
                            "Form1.show"));
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1", "Form3"));
    EXPECT_FALSE(f.Form3.enabled());
}

TEST_F(Blackout, ClearingUnloadsAndTheNextCheckMeasuresTheScreenAgain)
{
    f.chkBlackOut.setValue(1);
    ui.screen().resize(16000, 12000);
    EXPECT_EQ(f.Form3.width(), 12000);  // a loaded blackout keeps its size

    f.chkBlackOut.setValue(0);
    EXPECT_FALSE(f.Form3.loaded());
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1"));

    f.chkBlackOut.setValue(1);
    EXPECT_EQ(ui.journal.startingWith("Form3.load").size(), 2u);
    EXPECT_EQ(f.Form3.left(), 0);
    EXPECT_EQ(f.Form3.top(), 0);
    EXPECT_EQ(f.Form3.width(), 16000);
    EXPECT_EQ(f.Form3.height(), 12000);
    EXPECT_FALSE(f.Form3.enabled());
}

TEST_F(Blackout, EveryPictureIsShownInFrontOfIt)
{
    openPictures("/pics", {"a.bmp", "b.bmp"});
    f.chkBlackOut.setValue(1);
    f.cmdGo.Click.raise();
    EXPECT_EQ(ui.frontToBack().front(), "Form1");

    f.chkReSize.setValue(1);
    tick();
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form2", "Form3"));
}

}  // namespace
