// The drive, folder and file lists, the start number and the reset of the random cycle.
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>

#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

class Browsing : public ShowTest {
protected:
    Browsing()
    {
        ui.drives = {"/", "/media/usb", "/media/cd"};
        ui.folders["/"] = {"root.bmp"};
        ui.folders["/media/usb"] = {"u1.jpg", "u2.jpg"};
        ui.folders["/media/usb/trip"] = {"t1.jpg", "t2.jpg", "t3.jpg", "t4.jpg", "t5.jpg"};
    }

    void startHalfwayThroughACycle()
    {
        f.state.mShownList = {"u1.jpg"};
        f.state.gShownCount = 5;
        f.state.mFileIndex = 3;
    }

    void expectListsOn(const std::string& drive, const std::string& folder)
    {
        EXPECT_EQ(f.Drive1.drive(), drive);
        EXPECT_EQ(f.Dir1.path(), folder);
        EXPECT_EQ(f.File1.path(), folder);
    }
};

TEST_F(Browsing, DriveFolderAndFileListsMoveTogetherAndStartANewCycle)
{
    startHalfwayThroughACycle();
    f.Drive1.setDrive("/media/usb");
    expectListsOn("/media/usb", "/media/usb");
    EXPECT_EQ(f.File1.listCount(), 2);
    EXPECT_TRUE(f.state.mShownList.empty());
    EXPECT_EQ(f.state.gShownCount, 0);
    EXPECT_EQ(f.state.mFileIndex, 3);

    startHalfwayThroughACycle();
    f.Dir1.setPath("/media/usb/trip");
    EXPECT_EQ(f.File1.path(), "/media/usb/trip");
    EXPECT_EQ(f.File1.listCount(), 5);
    EXPECT_TRUE(f.state.mShownList.empty());
    EXPECT_EQ(f.state.gShownCount, 0);
    EXPECT_EQ(f.state.mFileIndex, 3);
}

TEST_F(Browsing, DriveThatIsNotReadyFallsBackToTheSystemDrive)
{
    f.Drive1.setDrive("/media/usb");
    f.Drive1.setDrive("/media/cd");
    EXPECT_THAT(ui.messageBox().shown, ElementsAre(Pair("Drive /media/cd is not ready", "ERROR")));
    expectListsOn("/", "/");
}

TEST_F(Browsing, UnreadableSystemDriveGivesOneMessageEachTimeAndNoLoop)
{
    ui.folders.erase("/");
    f.Drive1.setDrive("/media/usb");
    f.Drive1.setDrive("/media/cd");
    EXPECT_EQ(ui.messageBox().shown.size(), 1u);
    EXPECT_EQ(f.Drive1.drive(), "/");
    EXPECT_EQ(f.Dir1.path(), "/media/usb");
    EXPECT_EQ(f.File1.path(), "/media/usb");

    f.Drive1.setDrive("/media/cd");
    EXPECT_THAT(ui.messageBox().shown, ElementsAre(Pair("Drive /media/cd is not ready", "ERROR"),
                                                   Pair("Drive /media/cd is not ready", "ERROR")));
}

TEST_F(Browsing, ChoosingAnEntryOrResettingMovesOnlyWhatItOwns)
{
    f.Dir1.setPath("/media/usb/trip");
    f.File1.setListIndex(4);
    EXPECT_EQ(f.state.mFileIndex, 4);
    f.File1.setListIndex(-1);
    EXPECT_EQ(f.state.mFileIndex, -1);

    startHalfwayThroughACycle();
    f.cmdResetRandomCycle.Click.raise();
    EXPECT_TRUE(f.state.mShownList.empty());
    EXPECT_EQ(f.state.gShownCount, 0);
    EXPECT_EQ(f.state.mFileIndex, 3);
}

TEST_F(Browsing, TypedNumberMovesTheStartIndexOnlyWhileTheBoxHasTheFocus)
{
    f.state.mFileIndex = 3;
    f.Text1.setText("7");
    EXPECT_EQ(f.state.mFileIndex, 3);

    f.Text1.GotFocus.raise();
    const std::vector<std::pair<std::string, int>> typing = {
        {"1", 1}, {"12", 12}, {"", 0}, {"File  3 OF  12", 0}, {"File  3 OF  1", 0}, {"5", 5},
        {"99999999999", 5}, {"-2", -2}};
    for (const auto& [text, index] : typing) {
        f.Text1.setText(text);
        EXPECT_EQ(f.state.mFileIndex, index) << '"' << text << '"';
    }

    f.Text1.LostFocus.raise();
    f.Text1.setText("9");
    EXPECT_EQ(f.state.mFileIndex, -2);
}

}  // namespace
