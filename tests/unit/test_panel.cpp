// The panel: start-up, Go and the picture it will show first, the speed bar, the option boxes, the
// blackout window, the lists, the start number and what a typed text reads as.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>

#include "panel/number_reader.h"
#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;

using Panel = ShowTest;

TEST_F(Panel, GoHidesThePanelAndStartsANewRandomCycleOnlyWhenTheLastOneIsComplete)
{
    openPictures("/pics", {"a.bmp", "b.bmp", "c.bmp"});
    for (const int shownCount : {3, 2}) {
        f.state.mShownList = {"a.bmp"};
        f.state.gShownCount = shownCount;
        ui.journal.clear();
        f.cmdGo.Click.raise();  // in list order, so the tick that follows only counts
        const bool cleared = shownCount == 3;
        EXPECT_EQ(f.state.mShownList.empty(), cleared);
        EXPECT_EQ(f.state.gShownCount, cleared ? 1 : shownCount + 1);
        // The first picture's period starts once it is shown, not while it loads.
        EXPECT_EQ(ui.journal.back(), "Timer1.start");
    }
    expectPanel(false);
}

TEST_F(Panel, WaitingPanelHintsThePictureGoWouldShowFirstAfterEveryChange)
{
    for (const char* folder : {"/more", "/pics"})
        openPictures(folder, {"a.bmp", "b.bmp", "c.bmp"});
    f.chkRandomPictures.setValue(1);
    ui.random().script({0.1, 0.1, 0.5});
    const auto expectHint = [this](const std::string& path) {
        EXPECT_EQ(ui.journal.startingWith("Pictures.prefetchWhenIdle ").back(), "Pictures.prefetchWhenIdle " + path);
    };

    f.cmdGo.Click.raise();
    doubleClick(f.Picture1);
    expectHint("/pics/b.bmp");  // the cycle goes on after a.bmp
    f.Dir1.setPath("/more");
    expectHint("/more/a.bmp");  // a new folder starts a new cycle
    f.cmdGo.Click.raise();
    doubleClick(f.Picture1);
    ui.random().script({0.1});
    f.cmdResetRandomCycle.Click.raise();
    expectHint("/more/a.bmp");  // not reset, the draws would walk on from the shown a.bmp to b.bmp
    f.chkRandomPictures.setValue(0);
    expectHint("/more/b.bmp");  // list order goes on after a.bmp
    f.chkReSize.setValue(1);
    expectHint("/more/b.bmp fitted");
    f.Text1.GotFocus.raise();
    f.Text1.setText("-3");
    expectHint("/more/a.bmp fitted");

    ui.journal.clear();
    f.cmdGo.Click.raise();
    EXPECT_THAT(ui.journal.startingWith("Pictures.load"), ElementsAre("Pictures.load /more/a.bmp fitted"));
}

TEST_F(Panel, SpeedBarSetsTheIntervalAndSaysItInWholeSeconds)
{
    for (const auto& [value, seconds] : {std::pair{500, " 0"}, {1999, " 1"}, {20000, " 20"}}) {
        f.HScroll1.setValue(value);
        EXPECT_EQ(f.Timer1.interval(), value);
        EXPECT_EQ(f.Label1.caption(), std::string("<--------------Slower    SPEED, ") + seconds +
                                          "Sec  Faster ----------------->");
    }
}

TEST_F(Panel, CheckingAPlacementBoxClearsTheOtherTwo)
{
    platform::CheckBox* const placement[] = {&f.chkRandomize, &f.chkLowerRight, &f.chkUpperRight};
    for (int pair = 0; pair < 9; ++pair) {
        platform::CheckBox* const second = placement[pair % 3];
        placement[pair / 3]->setValue(1);
        second->setValue(2);  // greyed counts as checked
        for (const platform::CheckBox* box : placement)
            EXPECT_EQ(box->value() != 0, box == second) << pair;
        second->setValue(0);
    }
}

TEST_F(Panel, StartsCentredToTheHalfTwipAndBlackoutCoversTheScreenBehindForm1MeasuringItAgainAfterClearing)
{
    EXPECT_EQ(f.Me.left(), 1905);  // (12000 - 8190) / 2
    EXPECT_EQ(f.Me.top(), 1717.5f);
    for (const float width : {12000.0f, 16000.0f}) {
        ui.screen().monitor_.width = width;
        f.chkBlackOut.setValue(1);
        EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1", "Form3"));
        EXPECT_THAT((std::vector{f.Form3.left(), f.Form3.top(), f.Form3.width(), f.Form3.height()}),
                    ElementsAre(0, 0, width, 9000));
        EXPECT_FALSE(f.Form3.enabled());

        f.chkBlackOut.setValue(0);
        EXPECT_FALSE(f.Form3.loaded());
    }
}

class Browsing : public ShowTest {
protected:
    Browsing()
    {
        ui.folders["/"] = {"root.bmp"};
        ui.folders["/media/usb"] = {"u1.jpg", "u2.jpg"};
    }

    std::vector<std::string> lists() const { return {f.Drive1.drive(), f.Dir1.path(), f.File1.path()}; }
};

TEST_F(Browsing, NewDriveOrResetStartsANewCycleAndKeepsTheStartIndex)
{
    for (const bool reset : {false, true}) {
        f.state.mShownList = {"u1.jpg"};
        f.state.gShownCount = 5;
        f.state.mFileIndex = 3;
        reset ? f.cmdResetRandomCycle.Click.raise() : f.Drive1.setDrive("/media/usb");
        EXPECT_TRUE(f.state.mShownList.empty());
        EXPECT_EQ(f.state.gShownCount, 0);
        EXPECT_EQ(f.state.mFileIndex, 3);
    }
}

TEST_F(Browsing, DriveThatIsNotReadyFallsBackToTheSystemDriveWithOneMessageAndNoLoop)
{
    f.Drive1.setDrive("/media/usb");
    f.Drive1.setDrive("/media/cd");
    EXPECT_THAT(lists(), ElementsAre("/", "/", "/"));

    // With the system drive unreadable too, the lists stay where they were.
    ui.folders.erase("/");
    f.Drive1.setDrive("/media/usb");
    f.Drive1.setDrive("/media/cd");
    EXPECT_THAT(lists(), ElementsAre("/", "/media/usb", "/media/usb"));

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

// Rules of the reader that hold for any text are the fuzz target's; plain numbers and an overflow are
// read through the text box above.
TEST(NumberReader, ReadsTheNumberTheTextBeginsWith)
{
    const std::pair<std::string, std::optional<std::int32_t>> rows[] = {
        {" 7.5", 8},  // halves go to the even neighbour
        {"6.5", 6},
        {"4abc", 4},
        {"-42\xff" "7", -42},  // a byte of any value ends it
        {"File  3 OF  12", 0},
        {"\t1\n2", 12},  // blanks are skipped also between digits
        {"&H1F", 31},
        {"&h1f", 31},
        {"&O178", 15},  // 8 is no octal digit
        {"1.5e1x", 15},
        {"2d2", 200},
        {"1e", 1},
        {"0x1F", 0},
        {std::string("1\0" "5", 3), 1},  // a NUL byte ends the number like any other character
        {"", 0},
        {"-", 0},
        {"&", 0},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483647.5", std::nullopt},
        {"1e400", std::nullopt},
        {"-99999999999", std::nullopt},
        {"&H" + std::string(300, 'F'), std::nullopt},
    };
    for (const auto& [text, index] : rows)
        EXPECT_EQ(panel::readTypedNumber(text), index) << '"' << text << '"';
}

}  // namespace
