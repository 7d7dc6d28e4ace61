// The program's own handlers on Qt: the blackout window, Space and Esc on the shown surface, the
// focus that lets them reach it, and the pointer that hides while the show runs.
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include "display/window_designs.h"
#include "panel/form1.h"
#include "panel/form1_design.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/qt_window.h"
#include "wiring.h"

namespace {

using platform::qt::QtUi;
using platform::qt::QtWindow;

class ShowOnQt : public ::testing::Test {
protected:
    ShowOnQt()
    {
        wireEvents(form);
        form.Me.show();
    }
    ~ShowOnQt() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QWidget* widgetOf(const char* window) { return dynamic_cast<QtWindow&>(ui.window(window)).widget(); }
    QWidget* picture1() { return widgetOf("Form1")->findChild<QWidget*>("Picture1"); }
    // As the window system delivers a key: to whatever holds the focus in the active window.
    static void key(QWidget* window, Qt::Key key) { QTest::keyClick(window->windowHandle(), key); }
    static bool pointerHidden(const QWidget* w) { return w->cursor().shape() == Qt::BlankCursor; }

    void go()
    {
        ASSERT_TRUE(QTest::qWaitForWindowActive(widgetOf("Form1")));
        form.cmdGo.Click.raise();
    }

    QtUi ui{{panel::form1Design(), display::form2Design(), display::form3Design()}};
    Form1 form{ui};
};

// Checked twice, with a clearing between, so that the second window is a new one loaded anew.
TEST_F(ShowOnQt, BlackoutCoversTheScreenBehindTheActivePanelAndTakesNoFocus)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(widgetOf("Form1")));
    for (int round = 0; round < 2; ++round) {
        form.chkBlackOut.setValue(1);
        QWidget* black = widgetOf("Form3");
        ASSERT_NE(black, nullptr);
        EXPECT_TRUE(black->isVisible()) << round;
        EXPECT_EQ(black->frameGeometry(), QGuiApplication::primaryScreen()->geometry()) << round;
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

TEST_F(ShowOnQt, SpaceAndEscOnThePictureAreAClickAndADoubleClick)
{
    go();
    ASSERT_EQ(QApplication::focusWidget(), picture1()) << "the picture has no focus once the panel is gone";
    key(widgetOf("Form1"), Qt::Key_Space);
    EXPECT_EQ(form.state.mPaused, 1);
    key(widgetOf("Form1"), Qt::Key_Space);
    EXPECT_EQ(form.state.mPaused, 0);
    // A held key repeats its press; only the first one counts.
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(picture1(), &repeated);
    EXPECT_EQ(form.state.mPaused, 0);

    key(widgetOf("Form1"), Qt::Key_Escape);
    EXPECT_EQ(form.state.mPaused, 1);
    EXPECT_TRUE(form.cmdGo.visible());
    EXPECT_EQ(form.Text1.text().rfind("File ", 0), 0u);
}

TEST_F(ShowOnQt, SpaceAndEscOnTheDisplayWindowPauseAndStopIt)
{
    go();
    form.Form2.show();
    QWidget* form2 = widgetOf("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(form2));
    key(form2, Qt::Key_Space);
    EXPECT_FALSE(form.Timer1.enabled());
    key(form2, Qt::Key_Space);
    EXPECT_TRUE(form.Timer1.enabled());
    key(form2, Qt::Key_Escape);
    EXPECT_FALSE(form.Timer1.enabled());
    EXPECT_FALSE(form2->isVisible());
    EXPECT_TRUE(form.cmdGo.visible());
}

TEST_F(ShowOnQt, PointerHidesWhileRunningAndReturnsWhenMovedOrStopped)
{
    EXPECT_FALSE(pointerHidden(picture1()));
    go();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pointerHidden(picture1()); }, 10000));
    QTest::mouseMove(picture1(), QPoint(20, 20));
    EXPECT_FALSE(pointerHidden(picture1()));

    ASSERT_TRUE(QTest::qWaitFor([&] { return pointerHidden(picture1()); }, 10000));
    key(widgetOf("Form1"), Qt::Key_Space);
    EXPECT_FALSE(pointerHidden(picture1()));
    EXPECT_FALSE(pointerHidden(widgetOf("Form1")));
}

}  // namespace
