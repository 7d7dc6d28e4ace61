// Where the picture goes: both windows centred, in a corner or turning through the four corners; and
// fitted to the screen, what is painted onto Form2 and which window is shown.
#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gmock/gmock.h>

#include "panel/startup_exit.h"
#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

using Edges = std::pair<float, float>;

class Placement : public ShowTest {
protected:
    // Form1 is 6000 x 4000 around this picture; Form2 keeps its design size, 7260 x 5595.
    Placement()
    {
        f.state.mPaused = 0;
        openPictures("/pics", {"a.bmp"}, 5995, 3995);
    }

    // The next tick shows a picture of this size.
    void showNext(float width, float height)
    {
        ui.pictures().add("/pics/a.bmp", width, height);
        ui.journal.clear();
        tick();
    }

    Edges form1() { return {f.Me.left(), f.Me.top()}; }
    Edges form2() { return {f.Form2.left(), f.Form2.top()}; }
};

TEST_F(Placement, RotationTurnsBothWindowsThroughTheCornersAndResumesWhereItLeftOff)
{
    f.chkRandomize.setValue(1);
    std::vector<Edges> first, second;
    for (int i = 0; i < 5; ++i) {
        tick();
        first.push_back(form1());
        second.push_back(form2());
    }
    EXPECT_THAT(first, ElementsAre(Pair(0, 0), Pair(6000, 0), Pair(0, 5000), Pair(6000, 5000), Pair(0, 0)));
    // The picture decoded ahead is for the corner the next tick goes to: upper right after upper left.
    EXPECT_EQ(ui.journal.startingWith("Pictures.prefetch").back(), "Pictures.prefetch /pics/a.bmp at 2 0");
    EXPECT_THAT(second, ElementsAre(Pair(0, 0), Pair(4740, 0), Pair(0, 3405), Pair(4740, 3405), Pair(0, 0)));
    EXPECT_FALSE(f.Form2.visible());

    f.chkLowerRight.setValue(1);  // "Upper Left of screen"
    tick();
    f.chkRandomize.setValue(1);
    tick();
    EXPECT_EQ(form1(), Edges(6000, 0));

    ui.window("Form1").failOn("setLeft");  // skipped, and the rotation still advances
    tick();
    EXPECT_EQ(form1(), Edges(6000, 5000));
    EXPECT_EQ(form2(), Edges(0, 3405));
    EXPECT_EQ(f.state.mCornerStep, 3);
}

TEST_F(Placement, CentredAndCornerEdgesAreExactAndMayBeNegative)
{
    // The box set, its new value, the picture's size and Form1's edges.
    const std::tuple<const char*, int, float, float, Edges> rows[] = {
        {"chkRandomize", 0, 5995, 3996, {3000, 2499.5f}},
        {"chkUpperRight", 1, 13995, 3995, {-2000, 5000}},  // "Lower Right of screen"
        {"chkUpperRight", 0, 13995, 3995, {-1000, 2500}},
        {"chkLowerRight", 1, 13995, 9995, {0, 0}},
    };
    for (const auto& [box, value, width, height, edges] : rows) {
        ui.checkBox(box).setValue(value);
        showNext(width, height);
        EXPECT_EQ(form1(), edges);
    }
    EXPECT_EQ(form2(), Edges(0, 0));
}

TEST_F(Placement, FitShrinksLargerPicturesToTheScreenLessAMarginAndUncheckedLeavesForm2AsItWas)
{
    f.chkReSize.setValue(1);
    // The picture's width and height, then the painted ones.
    const std::array<float, 4> rows[] = {
        {16000, 9000, 11500, 6250},  // wider than the screen
        {10000, 12000, 7000, 8500},  // taller
        {24000, 18000, 11500, 8500}, // both, in proportion
        {12000, 9000, 12000, 9000},  // exactly the screen: not shrunk
        {6000.75f, 4000.5f, 6000, 4000},  // own size rounded down to whole twips
        {384000, 3000, 11500, 15},  // a panorama keeps one pixel of height after the margin
    };
    for (const auto& [width, height, paintedWidth, paintedHeight] : rows) {
        showNext(width, height);
        const std::string painting =
            "Form2.paintPicture /pics/a.bmp 0 0 " + fake::text(paintedWidth) + " " + fake::text(paintedHeight);
        EXPECT_THAT(ui.journal.startingWith("Form2.paintPicture"), ElementsAre(painting));
        EXPECT_THAT(ui.frontToBack(), ElementsAre("Form2"));
        // Shown only once painted and sized, with the panel already gone.
        for (const std::string& before : {"Form2.setWidth " + fake::text(paintedWidth),
                                          "Form2.setHeight " + fake::text(paintedHeight), painting,
                                          std::string("Form1.hide")})
            EXPECT_LT(journalAt(before), journalAt("Form2.show")) << before;
    }

    // Unchecked, Form1 comes in front and Form2, still sized for the panorama, is only centred.
    f.chkReSize.setValue(0);
    showNext(6000, 4000);
    EXPECT_THAT(ui.journal.startingWith("Form2."), ElementsAre("Form2.setLeft 250", "Form2.setTop 4492.5"));
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1", "Form2"));
}

// The primary monitor right of another one, with a 27-pixel panel along its top and a 33-pixel dock
// along its bottom: windows go where the panels leave room, and only the black covers the panels.
TEST_F(Placement, EverythingKeepsToThePrimaryMonitorAndTheBlackAloneCoversItsPanels)
{
    ui.screen().monitor_ = {28800, 0, 12000, 9000};
    ui.screen().workArea_ = {28800, 405, 12000, 8100};
    using Rect = std::array<float, 4>;
    const auto rect = [](const platform::Window& w) { return Rect{w.left(), w.top(), w.width(), w.height()}; };
    const std::pair<std::function<Rect()>, Rect> rows[] = {
        {[&] { form1::Form_Load(f); return rect(f.Me); }, {30705, 1672.5f, 8190, 5565}},
        {[&] { f.state.mPaused = 0; f.chkRandomize.setValue(1); tick(); return rect(f.Me); }, {28800, 405, 6000, 4000}},
        {[&] { tick(); tick(); tick(); return rect(f.Me); }, {34800, 4505, 6000, 4000}},
        {[&] { f.chkRandomize.setValue(0); tick(); return rect(f.Me); }, {31800, 2455, 6000, 4000}},
        {[&] { f.chkReSize.setValue(1); showNext(10000, 12000); return rect(f.Form2); }, {31675, 655, 6250, 7600}},
        // A window beyond the lower right corner comes back within the panels when the show stops.
        {[&] {
             f.chkReSize.setValue(0);
             f.chkUpperRight.setValue(1);
             showNext(13995, 9995);
             doubleClick(f.Picture1);
             return rect(f.Me);
         },
         {28800, 405, 14000, 10000}},
        {[&] { f.chkBlackOut.setValue(1); return rect(f.Form3); }, {28800, 0, 12000, 9000}},
    };
    for (std::size_t row = 0; row < std::size(rows); ++row)
        EXPECT_EQ(rows[row].first(), rows[row].second) << "row " << row;
}

TEST_F(Placement, FailingPaintOrSizeSkipsOnlyThatStepOfTheFit)
{
    auto& form2 = ui.window("Form2");
    f.chkReSize.setValue(1);
    form2.failOn("paintPicture");
    showNext(16000, 9000);
    EXPECT_THAT(std::pair(form2.width(), form2.height()), Pair(11500, 6250));
    EXPECT_THAT(ui.frontToBack(), ElementsAre("Form2"));

    form2.failOn("setWidth");
    showNext(9000, 3000);
    EXPECT_THAT(std::pair(form2.width(), form2.height()), Pair(11500, 3000));
    EXPECT_TRUE(form2.visible());
}

}  // namespace
