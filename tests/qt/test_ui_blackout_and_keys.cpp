// The blackout window with the program's own handlers on Qt, and the panel's buttons under the keyboard.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include "display/window_designs.h"
#include "panel/form1.h"
#include "panel/form1_design.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/qt_window.h"
#include "wiring.h"

namespace {

using platform::ControlKind;
using platform::qt::QtCommandButton;
using platform::qt::QtUi;
using platform::qt::QtWindow;

class BlackoutWindow : public ::testing::Test {
protected:
    BlackoutWindow()
    {
        wireEvents(form);
        form.Me.show();
    }
    ~BlackoutWindow() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QWidget* widgetOf(const char* window) { return dynamic_cast<QtWindow&>(ui.window(window)).widget(); }
    static QRect screen() { return QGuiApplication::primaryScreen()->geometry(); }

    QtUi ui{{panel::form1Design(), display::form2Design(), display::form3Design()}};
    Form1 form{ui};
};

// Checked twice, with a clearing between, so that the second window is a new one loaded anew.
TEST_F(BlackoutWindow, CoversTheScreenBehindTheActivePanelAndTakesNoFocus)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(widgetOf("Form1")));
    for (int round = 0; round < 2; ++round) {
        form.chkBlackOut.setValue(1);
        QWidget* black = widgetOf("Form3");
        ASSERT_NE(black, nullptr);
        EXPECT_TRUE(black->isVisible()) << round;
        EXPECT_EQ(black->frameGeometry(), screen()) << round;
        EXPECT_FALSE(black->isEnabled()) << round;
        ASSERT_NE(black->windowHandle(), nullptr);
        EXPECT_TRUE(black->windowHandle()->flags().testFlag(Qt::WindowDoesNotAcceptFocus)) << round;
        EXPECT_TRUE(QTest::qWaitForWindowActive(widgetOf("Form1"))) << round;
        EXPECT_FALSE(black->isActiveWindow()) << round;

        form.chkBlackOut.setValue(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(widgetOf("Form3"), nullptr) << round;
    }
}

class Buttons : public ::testing::Test {
protected:
    Buttons()
    {
        window.resize(300, 200);
        button.Click.connect([this] { ++clicks; });
    }

    QWidget window;
    QtCommandButton button{{"cmdGo", ControlKind::CommandButton, "Form1", 240, 1800, 2175, 855, 6, "Go"}, &window};
    int clicks = 0;
};

TEST_F(Buttons, EnterReturnAndSpaceEachPressTheFocusedButton)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button.widget()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button.widget(), Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(button.widget(), Qt::Key_Enter);
    EXPECT_EQ(clicks, 2);
    QTest::keyClick(button.widget(), Qt::Key_Space);
    EXPECT_EQ(clicks, 3);
}

}  // namespace
