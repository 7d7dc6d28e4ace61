// The simple controls raise their events once per change, from code and from the user alike.
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

#include "platform/design.h"
#include "platform/event.h"
#include "platform/failure.h"
#include "platform/qt/qt_controls.h"

namespace {

using platform::ControlKind;
using platform::Failure;
using namespace platform::qt;

class Controls : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (platform::Event* event : {&button.Click, &box.Click, &text.Change, &bar.Change})
            event->connect([this] { ++events; });
        text.GotFocus.connect([this] { focus += "got "; });
        text.LostFocus.connect([this] { focus += "lost "; });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    QtCommandButton button{{"cmdGo", ControlKind::CommandButton, "Form1", 240, 1800, 2175, 855, 6, "Go"}, &window};
    QtCheckBox box{{"chkReSize", ControlKind::CheckBox, "Form1", 0, 0, 3135, 255, 12, "Re-Size"}, &window};
    QtTextBox text{{"Text1", ControlKind::TextBox, "Form1", 240, 720, 1935, 375, 3}, &window};
    QtScrollBar bar{{"HScroll1", ControlKind::ScrollBar, "Form1", 240, 4440, 4335, 255, 7, {}, {}, 0,
                     5000, 20000, 500, 500, 1000},
                    &window};
    QScrollBar* qtBar = static_cast<QScrollBar*>(bar.widget());
    int events = 0;
    std::string focus;
};

TEST_F(Controls, EachChangeFromCodeRaisesOneEventAndValuesOutOfRangeFail)
{
    box.setValue(2);
    box.setValue(2);
    text.setText("File  4 OF  12");
    text.setText("File  4 OF  12");
    bar.setValue(7000);
    bar.setValue(7000);
    EXPECT_EQ(events, 3);
    EXPECT_EQ(box.value(), 2);
    EXPECT_THROW(box.setValue(3), Failure);
    EXPECT_THROW(box.setValue(-1), Failure);
    EXPECT_THROW(bar.setValue(20001), Failure);
    EXPECT_THROW(bar.setValue(499), Failure);
    box.setValue(0);
    EXPECT_EQ(events, 4);
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(bar.value(), 7000);
}

// Qt gives Enter to buttons in dialogs only; the panel is none.
TEST_F(Controls, EnterReturnAndSpaceEachPressTheFocusedButton)
{
    button.widget()->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(button.widget(), key);
    EXPECT_EQ(events, 3);
}

TEST_F(Controls, TextBoxReportsFocusMovingAwayAndBeingHidden)
{
    text.widget()->setFocus(Qt::TabFocusReason);
    button.widget()->setFocus(Qt::MouseFocusReason);
    text.widget()->setFocus(Qt::TabFocusReason);
    text.setVisible(false);
    EXPECT_EQ(focus, "got lost got lost ");
}

// The slowest speed, the larger number, stands at the left; the value changes when a dragged thumb
// is let go, not while it moves.
TEST_F(Controls, SpeedBarIsMirroredAndChangesOnceForADropAndForEachKey)
{
    qtBar->setSliderDown(true);
    qtBar->setSliderPosition(3000);
    qtBar->setSliderPosition(9000);
    EXPECT_EQ(events, 0);
    qtBar->setSliderDown(false);
    EXPECT_EQ(bar.value(), 20500 - 9000);
    qtBar->setFocus();
    QTest::keyClick(qtBar, Qt::Key_Right);
    EXPECT_EQ(bar.value(), 11000);
    EXPECT_EQ(events, 2);
}

}  // namespace
