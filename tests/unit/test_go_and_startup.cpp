// Start-up, Go and Exit.
#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "panel/startup_exit.h"
#include "show_fixture.h"

namespace {

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

using GoAndStartup = ShowTest;

TEST_F(GoAndStartup, StartsHeldWithThePanelCentredAndEveryControlReady)
{
    EXPECT_EQ(f.state.mPaused, 1);
    EXPECT_EQ(f.Me.left(), 1905);  // (12000 - 8190) / 2
    EXPECT_EQ(f.Me.top(), 1717.5f);
    EXPECT_THAT(ui.frontToBack(), ElementsAreArray({"Form1"}));
    EXPECT_FALSE(f.Form2.loaded());
    EXPECT_FALSE(f.Form3.loaded());
    for (platform::Control* control : panelControls())
        EXPECT_TRUE(control->visible());
    for (platform::CheckBox* box : {&f.chkRandomPictures, &f.chkBlackOut, &f.chkReSize, &f.chkUpperRight,
                                    &f.chkLowerRight, &f.chkRandomize})
        EXPECT_EQ(box->value(), 0);
    EXPECT_EQ(f.Text1.text(), "");
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_EQ(f.Timer1.interval(), 5000);

    openPictures("/pics", {"a.bmp"});
    ui.journal.clear();
    tick();
    EXPECT_THAT(ui.journal.entries(), IsEmpty());
}

TEST_F(GoAndStartup, LoadCentresByHalfTwipsAndAllowsNegativeEdges)
{
    const struct {
        float screenWidth, screenHeight, width, height, left, top;
    } rows[] = {
        {12000, 9000, 8000, 6000, 2000, 1500},
        {12000, 9000, 8001, 6001, 1999.5f, 1499.5f},
        {6000, 4000, 8190, 5565, -1095, -782.5f},
    };
    for (const auto& row : rows) {
        ui.screen().resize(row.screenWidth, row.screenHeight);
        f.Me.setWidth(row.width);
        f.Me.setHeight(row.height);
        f.state.mPaused = 0;
        form1::Form_Load(f);
        EXPECT_EQ(f.state.mPaused, 1);
        EXPECT_EQ(f.Me.left(), row.left);
        EXPECT_EQ(f.Me.top(), row.top);
    }
}

TEST_F(GoAndStartup, GoHidesTheSeventeenInOrderThenShowsTheFirstPictureAtOnce)
{
    openPictures("/pics", {"a.bmp", "b.bmp", "c.bmp"});
    f.HScroll1.setValue(8000);
    f.state.mFileIndex = 2;
    ui.journal.clear();

    f.cmdGo.Click.raise();

    std::vector<std::string> hidden;
    for (const std::string& entry : ui.journal.entries())
        if (entry.size() > 17 && entry.compare(entry.size() - 17, 17, ".setVisible false") == 0)
            hidden.push_back(entry.substr(0, entry.size() - 17));
    EXPECT_THAT(hidden, ElementsAreArray({"Dir1", "Drive1", "File1", "cmdGo", "Text1", "cmdExit",
                                          "cmdResetRandomCycle", "Label1", "Label2", "Label3", "chkRandomPictures",
                                          "HScroll1", "chkRandomize", "chkLowerRight", "chkUpperRight", "chkReSize",
                                          "chkBlackOut"}));
    EXPECT_TRUE(f.Picture1.visible());
    EXPECT_EQ(f.state.mPaused, 0);
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_EQ(f.Timer1.interval(), 8000);
    EXPECT_LT(journalAt("chkBlackOut.setVisible false"), journalAt("Timer1.setEnabled true"));
    EXPECT_LT(journalAt("Timer1.setEnabled true"), journalAt("Pictures.load /pics/c.bmp"));
    EXPECT_EQ(shownPicture(), "/pics/c.bmp");
}

TEST_F(GoAndStartup, GoStartsANewRandomCycleOnlyWhenTheLastOneIsComplete)
{
    const std::vector<std::string> ten = {"0.bmp", "1.bmp", "2.bmp", "3.bmp", "4.bmp",
                                          "5.bmp", "6.bmp", "7.bmp", "8.bmp", "9.bmp"};
    const struct {
        std::string folder;
        std::vector<std::string> names;
        int shownCount;
        bool cleared;
    } rows[] = {
        {"/ten", ten, 10, true},
        {"/ten-again", ten, 4, false},
        {"/empty", {}, 0, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.folder);
        openFolder(row.folder, row.names);
        f.state.mShownList = {"0.bmp", "1.bmp"};
        f.state.gShownCount = row.shownCount;

        f.cmdGo.Click.raise();  // in list order, so the tick only counts

        EXPECT_EQ(f.state.mShownList.empty(), row.cleared);
        EXPECT_EQ(f.state.gShownCount, row.cleared ? 1 : row.shownCount + 1);
        EXPECT_EQ(ui.journal.startingWith("Pictures.load").size(), 1u);
        ui.journal.clear();
    }
}

TEST_F(GoAndStartup, ExitEndsTheProgramAtOnce)
{
    f.chkBlackOut.setValue(1);
    ui.journal.clear();
    f.cmdExit.Click.raise();
    EXPECT_EQ(ui.program().ends, 1);
    EXPECT_THAT(ui.journal.entries(), ElementsAreArray({"Program.end"}));
}

}  // namespace
