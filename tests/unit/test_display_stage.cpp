// Fitting to the screen: what is painted onto Form2 and which window is shown.
#include <string>

#include <gmock/gmock.h>

#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;

class FitToScreen : public ShowTest {
protected:
    FitToScreen()
    {
        f.state.mPaused = 0;
        f.chkReSize.setValue(1);
        openFolder("/pics", {"a.bmp"});
    }

    // The next tick shows a picture of this size.
    void showNext(float width, float height)
    {
        ui.pictures().add("/pics/a.bmp", width, height);
        ui.journal.clear();
        tick();
    }

    fake::FakeWindow& form2() { return ui.window("Form2"); }
};

TEST_F(FitToScreen, LargerPicturesShrinkToTheScreenLessAMarginOthersKeepTheirSize)
{
    const struct {
        float width, height, paintedWidth, paintedHeight;
    } rows[] = {
        {16000, 9000, 11500, 6250},  // wider than the screen
        {10000, 12000, 7000, 8500},  // taller
        {24000, 18000, 11500, 8500}, // both, in proportion
        {12000, 9000, 12000, 9000},  // exactly the screen: not shrunk
        {6000.75f, 4000.5f, 6000, 4000},  // own size rounded down to whole twips
        {384000, 3000, 11500, 15},  // a panorama keeps one pixel of height after the margin
    };
    for (const auto& row : rows) {
        showNext(row.width, row.height);
        const std::string painting =
            "Form2.paintPicture /pics/a.bmp 0 0 " + fake::text(row.paintedWidth) + " " + fake::text(row.paintedHeight);
        EXPECT_THAT(ui.journal.startingWith("Form2.paintPicture"), ElementsAre(painting));
        EXPECT_THAT(ui.frontToBack(), ElementsAre("Form2"));
        // Shown only once painted and sized, with the panel already gone.
        for (const std::string& before : {"Form2.setWidth " + fake::text(row.paintedWidth),
                                          "Form2.setHeight " + fake::text(row.paintedHeight), painting,
                                          std::string("Form1.hide")})
            EXPECT_LT(journalAt(before), journalAt("Form2.show")) << before;
    }
}

TEST_F(FitToScreen, UncheckedOptionShowsForm1AndLeavesForm2AsItWas)
{
    showNext(16000, 9000);
    f.chkReSize.setValue(0);
    showNext(6000, 4000);

    EXPECT_THAT(ui.journal.startingWith("Form2."), ElementsAre("Form2.setLeft 250", "Form2.setTop 1375"));
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1", "Form2"));
}

TEST_F(FitToScreen, FailingPaintOrSizeSkipsOnlyThatStep)
{
    form2().failOn("paintPicture");
    showNext(16000, 9000);
    EXPECT_EQ(form2().width(), 11500);
    EXPECT_EQ(form2().height(), 6250);
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form2"));

    form2().failOn("setWidth");
    showNext(9000, 3000);
    EXPECT_EQ(form2().width(), 11500);
    EXPECT_EQ(form2().height(), 3000);
    EXPECT_TRUE(form2().visible());
}

}  // namespace
