// Placement of both windows: centred, in a corner, or turning through the four corners.
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>

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
    const struct {
        const char* box;
        float pictureWidth, pictureHeight;
        Edges edges;
    } rows[] = {
        {"", 5995, 3996, {3000, 2499.5f}},
        {"chkUpperRight", 5995, 3995, {6000, 5000}},  // "Lower Right of screen"
        {"chkUpperRight", 13995, 3995, {-2000, 5000}},
        {"", 13995, 3995, {-1000, 2500}},
        {"chkLowerRight", 13995, 9995, {0, 0}},
    };
    for (const auto& row : rows) {
        for (platform::CheckBox* box : {&f.chkRandomize, &f.chkLowerRight, &f.chkUpperRight})
            box->setValue(0);
        if (*row.box)
            ui.checkBox(row.box).setValue(1);
        ui.pictures().add("/pics/a.bmp", row.pictureWidth, row.pictureHeight);
        tick();
        EXPECT_EQ(form1(), row.edges);
    }
    EXPECT_EQ(form2(), Edges(0, 0));
}

}  // namespace
