// The drive, folder and file lists, the start number and the reset of the random cycle.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "show_fixture.h"

namespace {

class Browsing : public ShowTest {
protected:
    Browsing()
    {
        ui.folders["/"] = {"root.bmp"};
        ui.folders["/media/usb"] = {"u1.jpg", "u2.jpg"};
    }
};

TEST_F(Browsing, NewDriveOrResetStartsANewCycleAndKeepsTheStartIndex)
{
    for (const bool reset : {false, true}) {
        f.state.mShownList = {"u1.jpg"};
        f.state.gShownCount = 5;
        f.state.mFileIndex = 3;
        if (reset)
            f.cmdResetRandomCycle.Click.raise();
        else
            f.Drive1.setDrive("/media/usb");
        EXPECT_TRUE(f.state.mShownList.empty());
        EXPECT_EQ(f.state.gShownCount, 0);
        EXPECT_EQ(f.state.mFileIndex, 3);
    }
}

TEST_F(Browsing, DriveThatIsNotReadyFallsBackToTheSystemDriveWithOneMessageAndNoLoop)
{
    f.Drive1.setDrive("/media/usb");
    f.Drive1.setDrive("/media/cd");
    EXPECT_EQ(f.Drive1.drive(), "/");
    EXPECT_EQ(f.Dir1.path(), "/");
    EXPECT_EQ(f.File1.path(), "/");

    // With the system drive unreadable too, the lists stay where they were.
    ui.folders.erase("/");
    f.Drive1.setDrive("/media/usb");
    f.Drive1.setDrive("/media/cd");
    EXPECT_EQ(f.Drive1.drive(), "/");
    EXPECT_EQ(f.Dir1.path(), "/media/usb");
    EXPECT_EQ(f.File1.path(), "/media/usb");

    f.Drive1.setDrive("/media/cd");
    EXPECT_EQ(ui.journal.startingWith("MsgBox."),
              std::vector<std::string>(3, "MsgBox.show Drive /media/cd is not ready | ERROR"));
}

TEST_F(Browsing, TypedNumberMovesTheStartIndexOnlyWhileTheBoxHasTheFocus)
{
    f.state.mFileIndex = 3;
    f.Text1.setText("7");
    EXPECT_EQ(f.state.mFileIndex, 3);

    f.Text1.GotFocus.raise();
    for (const auto& [text, index] : {std::pair{"12", 12}, {"99999999999", 12}, {"-2", -2}}) {
        f.Text1.setText(text);
        EXPECT_EQ(f.state.mFileIndex, index) << text;
    }

    f.Text1.LostFocus.raise();
    f.Text1.setText("9");
    EXPECT_EQ(f.state.mFileIndex, -2);
}

}  // namespace
